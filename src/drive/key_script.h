// Scripted key events: the key-script file format of headless runs and the
// record file that replays a run (its seed, start options and every key event
// with the frame it came before).
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "media/keyboard.h"

// A key event due before the given frame runs (frames count from 1, the
// first frame being the start-up one).
struct TTimedKey {
  int64_t Frame = 0;
  KeyEvent Key;
};

// Limits of key scripts and recordings, which may come from anyone: the file
// is refused past them, before it costs memory or time.
inline constexpr size_t kKeyFileMaxBytes = size_t(16) << 20;
inline constexpr size_t kKeyFileMaxLines = 1000000;
inline constexpr size_t kKeyFileMaxEvents = 2 * kKeyFileMaxLines;
inline constexpr size_t kMaxTypedLetters = 1000;  // letters of one "type" line
// The longest run a recording may last: 24 hours at 20 frames a second.
inline constexpr int64_t kMaxEndFrame = int64_t(24) * 3600 * 20;

// Virtual-key code of a key name ("a".."z", "0".."9", "minus", "space", "up", "down",
// "left", "right", "escape", "backspace", "tab", "pause", "f1".."f5"), or 0.
int KeyCodeOfName(const std::string& name);
// The name of a code the scripts know, or "" for others.
std::string KeyNameOfCode(int code);

// Parses key-script lines: "FRAME down KEY", "FRAME up KEY", "FRAME press KEY"
// (down before FRAME, up before FRAME + 1), "FRAME type TEXT" (letters, digits
// and "-" pressed on consecutive frames from FRAME), "FRAME focus-out" and
// "FRAME focus-in" (the window loses or regains the keyboard focus); "#"
// starts a comment line.
// Events come out ordered by frame, in file order within a frame. On a bad
// line: false with "file:line: message" in error.
bool ParseKeyScript(const std::vector<std::string>& lines, const std::string& fileName,
                    std::vector<TTimedKey>& events, std::string& error);
// Reads and parses a key-script file.
bool LoadKeyScript(const std::string& path, std::vector<TTimedKey>& events, std::string& error);

// A recorded run. The try-out script and an own practice list are kept as
// sources (base/file_bytes.h): a plain path from the command line, or the
// file carried in the recording (its text, or the path an older one names).
struct TRecording {
  uint32_t Seed = 0;
  int Stage = 0;              // 0: not started directly
  std::string TryScriptPath;  // empty: none
  std::string Difficulty = "normal";
  std::string Practice;      // --practice: empty for none
  std::string PracticeGoal;  // --practice-goal: empty for free
  // The prompt windows' view it was played with ("on"/"off", "always"/"hint"/
  // "off", "keep"/"vanish"; empty: the default), kept on a "view" line.
  std::string ReadingLine, RomajiDisplay, Typed;
  std::vector<TTimedKey> Keys;
  std::optional<int64_t> EndFrame;  // frames the run lasted, when it ended cleanly
};

// The number after "mirutena-record" is the version of the typing engine
// that made the recording: the same keys replay the same run only with the
// engine that recorded them. 2: spellings matched unit by unit; 3: the
// acceptance rules of an input method, read left to right.
inline constexpr int kRecordEngineVersion = 3;
inline constexpr const char* kRecordHeader = "mirutena-record 3";

// The record file's text.
std::string FormatRecordingHead(const TRecording& r);
std::string FormatRecordedKey(const TTimedKey& k);
std::string FormatRecordingEnd(int64_t frames);
// Parses a record file's lines; false with "file:line: message" in error.
bool ParseRecording(const std::vector<std::string>& lines, const std::string& fileName,
                    TRecording& r, std::string& error);
bool LoadRecording(const std::string& path, TRecording& r, std::string& error);
