// The player's folders: XDG locations with and without the variables, the
// first start's copy of old saves, --save-dir and the headless copy.
#include "app/save_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/app_options.h"

namespace fs = std::filesystem;

namespace {

struct TempFolder {
  std::string Path;
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "mirutena-app-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    Path = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(Path, ec);
  }
};

TEnvLookup Env(std::map<std::string, std::string> vars) {
  return [vars = std::move(vars)](const char* name) -> const char* {
    auto it = vars.find(name);
    return it == vars.end() ? nullptr : it->second.c_str();
  };
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(XdgFolders, VariablesWinOverHomeWhenAbsolute) {
  std::string error;
  auto env = Env({{"HOME", "/home/kana"}});
  EXPECT_EQ(XdgFolder(TXdgKind::Config, env, error), "/home/kana/.config");
  EXPECT_EQ(XdgFolder(TXdgKind::Data, env, error), "/home/kana/.local/share");
  env = Env({{"HOME", "/home/kana"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/d/x"}});
  EXPECT_EQ(XdgFolder(TXdgKind::Config, env, error), "/cfg");
  EXPECT_EQ(XdgFolder(TXdgKind::Data, env, error), "/d/x");
  // Relative or empty values do not count.
  env = Env({{"HOME", "/h"}, {"XDG_CONFIG_HOME", "rel/cfg"}, {"XDG_DATA_HOME", ""}});
  EXPECT_EQ(XdgFolder(TXdgKind::Config, env, error), "/h/.config");
  EXPECT_EQ(XdgFolder(TXdgKind::Data, env, error), "/h/.local/share");
  EXPECT_EQ(error, "");
  // Nothing to go on: an error that points at --save-dir.
  EXPECT_EQ(XdgFolder(TXdgKind::Data, Env({}), error), "");
  EXPECT_NE(error.find("--save-dir"), std::string::npos) << error;
}

TEST(SaveMigration, FirstStartCopiesOldFilesAndNeverTouchesThem) {
  TempFolder t;
  fs::path old = fs::path(t.Path) / "game" / "dat";
  WriteFile(old / "score.rnk", "RANKING-BYTES-20....");
  WriteFile(old / "clear.clr", "CLEARED-BYTES-20....");
  fs::path save = fs::path(t.Path) / "share" / "mirutena";
  std::vector<std::string> copied;
  std::string error;
  ASSERT_TRUE(MigrateOldSaves(old.string(), save.string(), copied, error)) << error;
  EXPECT_EQ(copied, (std::vector<std::string>{"score.rnk", "clear.clr"}));
  EXPECT_EQ(ReadFile(save / "score.rnk"), "RANKING-BYTES-20....");
  EXPECT_EQ(ReadFile(save / "clear.clr"), "CLEARED-BYTES-20....");
  // The old files are still there, unchanged.
  EXPECT_EQ(ReadFile(old / "score.rnk"), "RANKING-BYTES-20....");
  EXPECT_EQ(ReadFile(old / "clear.clr"), "CLEARED-BYTES-20....");
  // Later starts leave the player's newer files alone, even if one is gone.
  WriteFile(save / "score.rnk", "NEWER");
  fs::remove(save / "clear.clr");
  copied.clear();
  ASSERT_TRUE(MigrateOldSaves(old.string(), save.string(), copied, error));
  EXPECT_TRUE(copied.empty());
  EXPECT_EQ(ReadFile(save / "score.rnk"), "NEWER");
  EXPECT_FALSE(fs::exists(save / "clear.clr"));
  // Nothing old: the folder is made, empty.
  fs::path fresh = fs::path(t.Path) / "fresh";
  ASSERT_TRUE(MigrateOldSaves((fs::path(t.Path) / "none").string(), fresh.string(), copied, error));
  EXPECT_TRUE(fs::is_directory(fresh));
  EXPECT_TRUE(fs::is_empty(fresh));
}

TEST(PlayerFolders, WindowHeadlessAndSaveDir) {
  TempFolder t;
  fs::path home = fs::path(t.Path) / "home";
  fs::path data = fs::path(t.Path) / "game";
  WriteFile(data / "dat" / "score.rnk", "OLD-RANKING");
  auto env = Env({{"HOME", home.string()}});
  AppOptions o;
  o.DataDir = data.string();
  TPlayerFolders f;
  std::string error;
  {
    // A window: the XDG folders, with the old ranking copied in.
    TempSaveFolder unused;
    ASSERT_TRUE(ChoosePlayerFolders(o, env, unused, f, error)) << error;
    EXPECT_EQ(f.SaveFolder, (home / ".local/share/mirutena").string());
    EXPECT_EQ(f.SettingsFile, (home / ".config/mirutena/settings.ini").string());
    EXPECT_EQ(ReadFile(home / ".local/share/mirutena/score.rnk"), "OLD-RANKING");
    EXPECT_TRUE(unused.Path().empty());
  }
  WriteFile(home / ".local/share/mirutena/score.rnk", "PLAYER-RANKING");
  {
    // Headless: a temporary copy of the player's files and no settings file.
    o.Mode = AppOptions::TMode::Headless;
    TempSaveFolder temp;
    ASSERT_TRUE(ChoosePlayerFolders(o, env, temp, f, error)) << error;
    EXPECT_EQ(f.SaveFolder, temp.Path());
    EXPECT_EQ(f.SettingsFile, "");
    EXPECT_EQ(ReadFile(fs::path(temp.Path()) / "score.rnk"), "PLAYER-RANKING");
    EXPECT_FALSE(fs::exists(fs::path(temp.Path()) / "clear.clr"));
  }
  {
    // Headless for someone who never played since the move: the old place.
    TempSaveFolder temp;
    ASSERT_TRUE(ChoosePlayerFolders(o, Env({{"HOME", t.Path + "/nobody"}}), temp, f, error));
    EXPECT_EQ(ReadFile(fs::path(temp.Path()) / "score.rnk"), "OLD-RANKING");
    EXPECT_FALSE(fs::exists(t.Path + "/nobody"));
  }
  {
    // --save-dir: DIR/dat and DIR/settings.ini, in both modes.
    o.SaveDir = t.Path + "/mine";
    TempSaveFolder temp;
    ASSERT_TRUE(ChoosePlayerFolders(o, env, temp, f, error)) << error;
    EXPECT_EQ(f.SaveFolder, t.Path + "/mine/dat");
    EXPECT_EQ(f.SettingsFile, t.Path + "/mine/settings.ini");
    EXPECT_TRUE(fs::is_directory(t.Path + "/mine/dat"));
    EXPECT_TRUE(temp.Path().empty());
  }
  // The window without a home cannot choose.
  o.SaveDir.clear();
  o.Mode = AppOptions::TMode::Window;
  TempSaveFolder unused;
  EXPECT_FALSE(ChoosePlayerFolders(o, Env({}), unused, f, error));
  EXPECT_NE(error.find("--save-dir"), std::string::npos);
}

// The built-in player in a window plays on a scratch copy with the player's
// settings; with --save-dir its results are kept as the tests' runs need.
TEST(PlayerFolders, TheBuiltInPlayersWindowSavesIntoAScratchCopy) {
  TempFolder t;
  fs::path home = fs::path(t.Path) / "home";
  WriteFile(home / ".local/share/mirutena/clear.clr", "PLAYER-CLEARS");
  AppOptions o;
  o.DataDir = t.Path + "/game";
  for (bool replay : {false, true}) {
    o.AutoplaySpec = replay ? "" : "6:3";
    o.ReplayFile = replay ? "rec.txt" : "";
    o.SaveDir.clear();
    TempSaveFolder temp;
    TPlayerFolders f;
    std::string error;
    ASSERT_TRUE(ChoosePlayerFolders(o, Env({{"HOME", home.string()}}), temp, f, error)) << error;
    EXPECT_EQ(f.SaveFolder, temp.Path());
    EXPECT_FALSE(f.ResultsKept);
    EXPECT_EQ(f.SettingsFile, (home / ".config/mirutena/settings.ini").string());
    EXPECT_EQ(ReadFile(fs::path(temp.Path()) / "clear.clr"), "PLAYER-CLEARS");
    o.SaveDir = t.Path + "/mine";
    ASSERT_TRUE(ChoosePlayerFolders(o, Env({{"HOME", home.string()}}), temp, f, error));
    EXPECT_TRUE(f.ResultsKept);
    EXPECT_EQ(f.SaveFolder, t.Path + "/mine/dat");
  }
}

// What crashed games left: temporary save files and folders of processes that
// are gone are removed, those of running ones and everything else stay.
TEST(PlayerFolders, LeftoversOfEndedGamesAreRemoved) {
  TempFolder t;
  pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  const std::string dead = std::to_string(child), alive = std::to_string(getpid());
  const fs::path save = fs::path(t.Path) / "save", tmp = fs::path(t.Path) / "tmp";
  WriteFile(save / ("score.rnk.tmp-" + dead), "x");
  WriteFile(save / ("score.rnk.tmp-" + alive), "x");
  WriteFile(tmp / ("mirutena-save-" + dead + "-abc123") / "score.rnk", "x");
  WriteFile(tmp / ("mirutena-save-" + alive + "-def456") / "score.rnk", "x");
  WriteFile(tmp / "mirutena-save-XYZ123" / "score.rnk", "x");  // an older build's name
  WriteFile(tmp / ("other-" + dead) / "file", "x");
  std::vector<std::string> removed = TidyAfterCrashes(save.string(), tmp.string());
  std::sort(removed.begin(), removed.end());
  EXPECT_EQ(removed, (std::vector<std::string>{"mirutena-save-" + dead + "-abc123",
                                               "score.rnk.tmp-" + dead}));
  EXPECT_TRUE(fs::exists(save / ("score.rnk.tmp-" + alive)));
  EXPECT_TRUE(fs::exists(tmp / ("mirutena-save-" + alive + "-def456")));
  EXPECT_TRUE(fs::exists(tmp / "mirutena-save-XYZ123"));
  EXPECT_TRUE(fs::exists(tmp / ("other-" + dead)));
}
