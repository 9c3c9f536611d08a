// The search for the data folder: its order, the build and installed trees
// beside the program, and the message when nothing holds the data.
#include "app/data_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

struct TempTree {
  fs::path Root;
  TempTree() {
    std::string pattern = (fs::temp_directory_path() / "mirutena-data-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    Root = pattern;
  }
  ~TempTree() {
    std::error_code ec;
    fs::remove_all(Root, ec);
  }
  // A folder that holds game data.
  std::string Data(const std::string& relative) {
    fs::create_directories(Root / relative / "dat");
    std::ofstream(Root / relative / "dat" / "hiragana.txt") << "end;\r\n";
    return (Root / relative).string();
  }
};

TEnvLookup Env(std::map<std::string, std::string> vars) {
  return [vars = std::move(vars)](const char* name) -> const char* {
    auto it = vars.find(name);
    return it == vars.end() ? nullptr : it->second.c_str();
  };
}

}  // namespace

TEST(DataFolder, SearchOrderGivenThenVariableThenBesideTheProgram) {
  TempTree t;
  std::string given = t.Data("given"), fromEnv = t.Data("env");
  std::string build = t.Data("build/release/game");
  std::string installed = t.Data("usr/share/mirutena");
  std::string buildExe = (t.Root / "build/release/mirutena").string();
  std::string installedExe = (t.Root / "usr/bin/mirutena").string();
  auto env = Env({{"MIRUTENA_DATA", fromEnv}});
  std::string folder, error;

  ASSERT_TRUE(FindDataFolder({given, env, buildExe}, folder, error)) << error;
  EXPECT_EQ(folder, given);
  ASSERT_TRUE(FindDataFolder({"", env, buildExe}, folder, error)) << error;
  EXPECT_EQ(folder, fromEnv);
  ASSERT_TRUE(FindDataFolder({"", Env({}), buildExe}, folder, error)) << error;
  EXPECT_EQ(folder, build);
  ASSERT_TRUE(FindDataFolder({"", Env({{"MIRUTENA_DATA", ""}}), installedExe}, folder, error));
  EXPECT_EQ(fs::canonical(folder), fs::canonical(installed));
}

TEST(DataFolder, EachFailureNamesWhatWasTriedAndTheOption) {
  TempTree t;
  t.Data("usr/share/mirutena");  // would be found, but an explicit choice wins
  std::string exe = (t.Root / "usr/bin/mirutena").string();
  std::string missing = (t.Root / "nowhere").string();
  std::string folder, error;
  // A wrong --data is not silently replaced by another folder.
  EXPECT_FALSE(FindDataFolder({missing, Env({}), exe}, folder, error));
  EXPECT_NE(error.find(missing + "  (--data)"), std::string::npos) << error;
  EXPECT_EQ(error.find("share/mirutena"), std::string::npos) << error;
  // Nor a wrong $MIRUTENA_DATA.
  EXPECT_FALSE(FindDataFolder({"", Env({{"MIRUTENA_DATA", missing}}), exe}, folder, error));
  EXPECT_NE(error.find(missing + "  ($MIRUTENA_DATA)"), std::string::npos) << error;
  // Nothing beside the program: both places are named, in both languages.
  std::string lonely = (t.Root / "opt/bin/mirutena").string();
  EXPECT_FALSE(FindDataFolder({"", Env({}), lonely}, folder, error));
  for (const char* part :
       {"/opt/bin/game", "/opt/share/mirutena", "見つかりません", "was not found", "--data DIR"})
    EXPECT_NE(error.find(part), std::string::npos) << part << " in\n" << error;
  // A folder without the kana table is not the data folder.
  fs::create_directories(t.Root / "half/dat");
  EXPECT_FALSE(IsDataFolder((t.Root / "half").string()));
  EXPECT_FALSE(FindDataFolder({(t.Root / "half").string(), Env({}), ""}, folder, error));
}
