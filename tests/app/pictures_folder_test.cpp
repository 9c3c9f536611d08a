// Where result cards go: the pictures folder a user-dirs.dirs of our own
// names, then ~/Pictures when it exists, then the save folder.
#include "app/pictures_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

class PicturesFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "mirutena_pictures_XXXXXX").string();
    home = mkdtemp(pattern.data());
    vars["HOME"] = home;
  }
  void TearDown() override { fs::remove_all(home); }
  TEnvLookup Env() {
    return [this](const char* name) -> const char* {
      auto it = vars.find(name);
      return it == vars.end() ? nullptr : it->second.c_str();
    };
  }
  void UserDirs(const std::string& text) {
    fs::create_directories(fs::path(home) / ".config");
    std::ofstream(fs::path(home) / ".config" / "user-dirs.dirs") << text;
  }
  std::string home;
  std::map<std::string, std::string> vars;
};

TEST(UserDirsPictures, ReadsTheLineAsXdgUserDirsWritesIt) {
  EXPECT_EQ(UserDirsPictures("# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                             "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
                             "/home/k"),
            "/home/k/Bilder");
  EXPECT_EQ(UserDirsPictures("XDG_PICTURES_DIR=\"/srv/pics\"\r\n", "/home/k"), "/srv/pics");
  // The home folder itself means "no pictures folder"; relative and
  // unquoted values are not the format.
  EXPECT_EQ(UserDirsPictures("XDG_PICTURES_DIR=\"$HOME/\"\n", "/home/k"), "");
  EXPECT_EQ(UserDirsPictures("XDG_PICTURES_DIR=\"pics\"\n", "/home/k"), "");
  EXPECT_EQ(UserDirsPictures("XDG_PICTURES_DIR=$HOME/Pictures\n", "/home/k"), "");
  EXPECT_EQ(UserDirsPictures("#XDG_PICTURES_DIR=\"/a\"\n", "/home/k"), "");
  // The last line counts.
  EXPECT_EQ(UserDirsPictures("XDG_PICTURES_DIR=\"/a\"\nXDG_PICTURES_DIR=\"/b\"\n", "/h"), "/b");
}

TEST_F(PicturesFolderTest, UserDirsThenPicturesThenTheSaveFolder) {
  EXPECT_EQ(PicturesFolder(Env(), "/save"), "/save");
  fs::create_directories(fs::path(home) / "Pictures");
  EXPECT_EQ(PicturesFolder(Env(), "/save"), (fs::path(home) / "Pictures").string());
  UserDirs("XDG_PICTURES_DIR=\"$HOME/写真\"\n");
  EXPECT_EQ(PicturesFolder(Env(), "/save"), home + "/写真");
  // $XDG_CONFIG_HOME moves the file with the rest of the config.
  vars["XDG_CONFIG_HOME"] = home + "/elsewhere";
  EXPECT_EQ(PicturesFolder(Env(), "/save"), (fs::path(home) / "Pictures").string());
  fs::create_directories(home + "/elsewhere/user-dirs.dirs");  // a folder: not read
  EXPECT_EQ(PicturesFolder(Env(), "/save"), (fs::path(home) / "Pictures").string());
}

}  // namespace
