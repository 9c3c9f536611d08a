// The settings file: its text read leniently and written whole, atomic saves,
// and the store that merges a run's changes into the file as it is now.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/settings_file.h"

namespace fs = std::filesystem;

namespace {

struct TempFolder {
  std::string Path;
  TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "mirutena-settings-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
    Path = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    fs::permissions(Path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(Path, ec);
  }
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TSettings Unusual() {
  TSettings s;
  s.MusicOn = false;
  s.SoundOn = false;
  s.MusicVolume = 0;
  s.EffectsVolume = 37;
  s.Translucency = false;
  s.ShowFps = true;
  s.WindowScale = kMaxWindowScale;
  s.FullScreen = true;
  s.RomajiStyle = TRomajiStyle::Mine;
  s.Difficulty = TDifficulty::Hard;
  s.StageLook = TStageLook::Classic;
  s.ReadingLine = true;
  s.RomajiDisplay = TRomajiDisplay::Hint;
  s.TypedLetters = TTypedLetters::Keep;
  return s;
}

}  // namespace

TEST(Settings, TextRoundTripsEveryField) {
  std::vector<std::string> problems;
  EXPECT_EQ(ParseSettings(FormatSettings(TSettings()), problems), TSettings());
  EXPECT_EQ(ParseSettings(FormatSettings(Unusual()), problems), Unusual());
  TSettings kunrei;
  kunrei.RomajiStyle = TRomajiStyle::Kunrei;
  kunrei.Difficulty = TDifficulty::Easy;
  kunrei.WindowScale = 1;
  EXPECT_EQ(ParseSettings(FormatSettings(kunrei), problems), kunrei);
  EXPECT_TRUE(problems.empty());
  // An empty file is the defaults: each stage its own look.
  EXPECT_EQ(ParseSettings("", problems), TSettings());
  EXPECT_EQ(TSettings().StageLook, TStageLook::Stages);
  EXPECT_NE(FormatSettings(TSettings()).find("\nstage_look = stages\n"), std::string::npos);
  EXPECT_NE(FormatSettings(Unusual()).find("\nstage_look = classic\n"), std::string::npos);
  EXPECT_TRUE(problems.empty());
}

TEST(Settings, HandWrittenFilesAreReadLeniently) {
  std::vector<std::string> problems;
  TSettings s = ParseSettings(
      "\xEF\xBB\xBF# edited by hand\r\n"
      "  MUSIC_VOLUME=  40 ; quieter\r\n"
      "\r\n"
      "show_fps = Yes\r\n"
      "Romaji = KUNREI\r\n"
      "Stage_Look = Classic\r\n"
      "full_screen=1\n",
      problems);
  EXPECT_TRUE(problems.empty()) << problems.front();
  EXPECT_EQ(s.MusicVolume, 40);
  EXPECT_TRUE(s.ShowFps);
  EXPECT_EQ(s.RomajiStyle, TRomajiStyle::Kunrei);
  EXPECT_EQ(s.StageLook, TStageLook::Classic);
  EXPECT_TRUE(s.FullScreen);
}

TEST(Settings, DamagedLinesAreReportedAndTheRestIsKept) {
  std::vector<std::string> problems;
  TSettings s = ParseSettings(
      "music_volume = 250\n"                   // clamped to 100
      "effects_volume = -3\n"                  // clamped to 0
      "window_scale = 99999999999999999999\n"  // clamped to the largest
      "translucency = maybe\n"                 // bad value: default kept
      "colour = blue\n"                        // unknown key
      "garbage without equals\n"
      "difficulty = hard\n"
      "romaji = nihon\n"
      "music_volume = 7x\n"  // not a number, and given again
      "show_fps = on\n"
      "stage_look = modern\n",  // bad value: the default kept
      problems);
  EXPECT_EQ(s.MusicVolume, 100);
  EXPECT_EQ(s.EffectsVolume, 0);
  EXPECT_EQ(s.WindowScale, kMaxWindowScale);
  EXPECT_TRUE(s.Translucency);
  EXPECT_EQ(s.Difficulty, TDifficulty::Hard);
  EXPECT_EQ(s.RomajiStyle, TRomajiStyle::Hepburn);
  EXPECT_TRUE(s.ShowFps);
  EXPECT_EQ(s.StageLook, TStageLook::Stages);
  ASSERT_EQ(problems.size(), 10u);
  EXPECT_EQ(problems[0].rfind("line 1: ", 0), 0u) << problems[0];
  EXPECT_NE(problems[4].find("colour"), std::string::npos) << problems[4];
  EXPECT_EQ(problems[5].rfind("line 6: ", 0), 0u) << problems[5];
  EXPECT_EQ(problems[9], "line 11: \"modern\" is not stages or classic");
}

TEST(SettingsFile, SavesAtomicallyIntoANewFolder) {
  TempFolder dir;
  std::string path = dir.Path + "/config/mirutena/settings.ini";
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(path, Unusual(), error)) << error;
  TSettings back;
  std::string message;
  EXPECT_EQ(LoadSettingsFile(path, back, message), TSettingsLoad::Read);
  EXPECT_EQ(back, Unusual());
  // Only the file itself is left: the temporary one was renamed over it.
  int entries = 0;
  for (auto& e : fs::directory_iterator(fs::path(path).parent_path())) {
    ++entries;
    EXPECT_EQ(e.path().filename(), "settings.ini");
  }
  EXPECT_EQ(entries, 1);
  EXPECT_EQ(LoadSettingsFile(dir.Path + "/none.ini", back, message), TSettingsLoad::Missing);
  EXPECT_EQ(back, TSettings());
}

TEST(SettingsFile, AFailedWriteKeepsTheOldFile) {
  TempFolder dir;
  std::string path = dir.Path + "/settings.ini";
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(path, TSettings(), error));
  std::string before = ReadFile(path);
  // A folder that cannot be written to: root ignores permissions, so this
  // part needs an ordinary user.
  if (geteuid() != 0) {
    fs::permissions(dir.Path, fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_FALSE(SaveSettingsFile(path, Unusual(), error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    fs::permissions(dir.Path, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadFile(path), before);
  }
  // A folder where the file should be cannot be replaced.
  fs::create_directories(dir.Path + "/taken.ini");
  EXPECT_FALSE(SaveSettingsFile(dir.Path + "/taken.ini", Unusual(), error));
  EXPECT_TRUE(fs::is_directory(dir.Path + "/taken.ini"));
  TSettings s;
  std::string message;
  EXPECT_EQ(LoadSettingsFile(dir.Path + "/taken.ini", s, message), TSettingsLoad::Failed);
  EXPECT_FALSE(message.empty());
}

// A damaged file is read for what it can and left as it is (reported at each
// start) until a setting changes; then what could be read is kept with the
// change.
TEST(SettingsFile, DamagedFileIsLeftAsItIsUntilASettingChanges) {
  TempFolder dir;
  std::string path = dir.Path + "/settings.ini";
  std::string junk(200, '\x01');
  const std::string damaged =
      "music_volume = 30\nvolume_of_the_moon = 5\n" + junk + "\nsound = off\n";
  WriteFile(path, damaged);
  TSettingsStore store;
  std::string message, error;
  EXPECT_TRUE(store.Open(path, message));
  EXPECT_NE(message.find("volume_of_the_moon"), std::string::npos) << message;
  EXPECT_EQ(store.Values().MusicVolume, 30);
  EXPECT_FALSE(store.Values().SoundOn);
  EXPECT_EQ(ReadFile(path), damaged);
  TSettings changed = store.Values();
  changed.ShowFps = true;
  ASSERT_TRUE(store.Change(changed, error)) << error;
  TSettingsStore again;
  EXPECT_TRUE(again.Open(path, message));
  EXPECT_EQ(message, "");
  EXPECT_EQ(again.Values(), changed);
}

// Two games on one settings file: each writes back only what it changed, so
// neither undoes the other's change; an unreadable file is never replaced.
TEST(SettingsFile, ChangesOfTwoGamesAreMerged) {
  TempFolder dir;
  std::string path = dir.Path + "/settings.ini";
  std::string message, error;
  TSettingsStore first, second;
  ASSERT_TRUE(first.Open(path, message));
  ASSERT_TRUE(second.Open(path, message));
  TSettings a = first.Values();
  a.MusicVolume = 40;
  ASSERT_TRUE(first.Change(a, error)) << error;
  TSettings b = second.Values();  // still the defaults: started before the change
  b.Difficulty = TDifficulty::Hard;
  ASSERT_TRUE(second.Change(b, error)) << error;
  TSettings back;
  LoadSettingsFile(path, back, message);
  EXPECT_EQ(back.MusicVolume, 40);
  EXPECT_EQ(back.Difficulty, TDifficulty::Hard);
  // A setting changed back to the default still counts as a change.
  a.MusicVolume = 100;
  ASSERT_TRUE(first.Change(a, error));
  LoadSettingsFile(path, back, message);
  EXPECT_EQ(back.MusicVolume, 100);
  EXPECT_EQ(back.Difficulty, TDifficulty::Hard);

  fs::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  b.SoundOn = false;
  EXPECT_FALSE(second.Change(b, error));  // refused at once, not blocked
  EXPECT_NE(error.find("named pipe"), std::string::npos) << error;
  EXPECT_FALSE(second.Values().SoundOn);  // kept in memory
  EXPECT_TRUE(fs::is_fifo(path));
}

TEST(SettingsFile, NulBytesAndHugeFilesAreReadForTheirStart) {
  TempFolder dir;
  std::string path = dir.Path + "/settings.ini";
  WriteFile(path, std::string("show_fps = on\n\0\0\0difficulty = hard\n", 36));
  TSettings s;
  std::string message;
  EXPECT_EQ(LoadSettingsFile(path, s, message), TSettingsLoad::Repaired);
  EXPECT_TRUE(s.ShowFps);
  EXPECT_EQ(s.Difficulty, TDifficulty::Normal);
  std::string big = "effects_volume = 12\n";
  while (big.size() < 200000) big += "# padding padding padding padding padding\n";
  big += "effects_volume = 99\n";
  WriteFile(path, big);
  EXPECT_EQ(LoadSettingsFile(path, s, message), TSettingsLoad::Repaired);
  EXPECT_EQ(s.EffectsVolume, 12);
  EXPECT_NE(message.find("only the start"), std::string::npos) << message;
}

TEST(SettingsFile, StoreWritesOnlyChangesAndOnlyWithAPath) {
  TempFolder dir;
  std::string path = dir.Path + "/settings.ini";
  TSettingsStore store;
  std::string message, error;
  ASSERT_TRUE(store.Open(path, message));
  EXPECT_FALSE(fs::exists(path));  // opening a missing file writes nothing
  EXPECT_TRUE(store.Change(TSettings(), error));
  EXPECT_FALSE(fs::exists(path));  // nothing changed
  EXPECT_TRUE(store.Change(Unusual(), error));
  TSettings back;
  LoadSettingsFile(path, back, message);
  EXPECT_EQ(back, Unusual());
  TSettingsStore memory;
  EXPECT_TRUE(memory.Change(Unusual(), error));
  EXPECT_EQ(memory.Values(), Unusual());
  EXPECT_EQ(memory.Path(), "");
}
