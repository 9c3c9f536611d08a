// Data paths that open but cannot be read (folders) and tile names that would
// be cut short at a NUL byte: each is reported as a game error, never thrown
// out of the frame as a stream exception.
#include <gtest/gtest.h>

#include <filesystem>

#include "base/game_error.h"
#include "media/music.h"
#include "media/picture_list.h"
#include "script/script.h"
#include "support/test_support.h"
#include "world/game.h"

namespace fs = std::filesystem;

namespace {

TEST(UnreadableFiles, AFolderInPlaceOfAPictureIsAGameError) {
  TPictureItem item;
  const std::string folder = fs::temp_directory_path().string();
  EXPECT_THROW(LoadPictureFile(item, folder), GameError);
}

TEST(UnreadableFiles, AFolderInPlaceOfAScriptEndsThePartWithAReport) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  ASSERT_NO_THROW(LoadStageScriptFile(g, t->SaveDir));
  EXPECT_TRUE(g.Script.Finished);
  ASSERT_FALSE(t->Platform.Errors().empty());
  EXPECT_NE(t->Platform.Errors().back().find(t->SaveDir), std::string::npos);
}

TEST(UnreadableFiles, AFolderInPlaceOfMusicFailsToOpen) {
  auto t = MakeTestGame();
  EXPECT_THROW(t->G.Music.OpenMusic(t->SaveDir), GameError);
  EXPECT_FALSE(t->G.Music.IsOpen());
}

TEST(UnreadableFiles, TileNameWithANulIsRefused) {
  auto t = MakeStartedGame();
  // Cut at the NUL, "abc/" + name would be the abc folder itself.
  EXPECT_THROW(LoadBackdropTile(t->G, std::string("\0blue", 5)), GameError);
  EXPECT_THROW(LoadBackdropTile(t->G, std::string("blue\0", 5)), GameError);
  EXPECT_NO_THROW(LoadBackdropTile(t->G, "blue"));
}

}  // namespace
