// Key-script and record files: expansion of presses and typed words, ordering,
// line-numbered errors and the record round trip.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "base/file_bytes.h"
#include "drive/input_source.h"
#include "drive/key_script.h"
#include "world/game.h"

namespace {

constexpr int kB = vk::A + 1;

struct TFlat {
  int64_t Frame;
  int Code;
  bool Down;
  bool operator==(const TFlat&) const = default;
};

std::vector<TFlat> Flat(const std::vector<TTimedKey>& keys) {
  std::vector<TFlat> out;
  for (const TTimedKey& k : keys) out.push_back({k.Frame, k.Key.Code, k.Key.Down});
  return out;
}

std::string ErrorOf(const std::vector<std::string>& lines) {
  std::vector<TTimedKey> keys;
  std::string error;
  EXPECT_FALSE(ParseKeyScript(lines, "k.txt", keys, error));
  return error;
}

}  // namespace

TEST(KeysScript, PressAndTypeExpandIntoOrderedEvents) {
  std::vector<std::string> lines = {
      "# comment",    "",          "10 type Ab-\r", "  3 press space", "11 down escape",
      "12 up ESCAPE", "3 down f4", "20 type 7-",
  };
  std::vector<TTimedKey> keys;
  std::string error;
  ASSERT_TRUE(ParseKeyScript(lines, "k.txt", keys, error)) << error;
  std::vector<TFlat> want = {
      {3, vk::Space, true},        {3, vk::F4, true},      {4, vk::Space, false},
      {10, vk::A, true},           {11, vk::A, false},     {11, kB, true},
      {11, vk::Escape, true},      {12, kB, false},        {12, vk::Minus, true},
      {12, vk::Escape, false},     {13, vk::Minus, false}, {20, vk::Digit0 + 7, true},
      {21, vk::Digit0 + 7, false}, {21, vk::Minus, true},  {22, vk::Minus, false},
  };
  EXPECT_EQ(Flat(keys), want);
}

TEST(KeysScript, BadLinesNameTheirFileAndLine) {
  EXPECT_EQ(ErrorOf({"1 down a", "# ok", "x down a"}).rfind("k.txt:3: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"5 hold a"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_NE(ErrorOf({"5 down ctrl"}).find("ctrl"), std::string::npos);
  EXPECT_EQ(ErrorOf({"", "0 down a"}).rfind("k.txt:2: ", 0), 0u);  // frames start at 1
  EXPECT_EQ(ErrorOf({"5 type a1!"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"5 focus-out a"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"5 down"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"5 press a b"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"-5 down a"}).rfind("k.txt:1: ", 0), 0u);
  EXPECT_EQ(ErrorOf({"99999999999999999999 down a"}).rfind("k.txt:1: ", 0), 0u);
}

TEST(KeysScript, EveryKeyNameRoundTrips) {
  std::vector<std::string> names = {"minus", "space",  "enter",     "up",    "down", "left",
                                    "right", "escape", "backspace", "pause", "tab",  "f1",
                                    "f2",    "f3",     "f4",        "f5"};
  for (char c = 'a'; c <= 'z'; ++c) names.push_back(std::string(1, c));
  for (char c = '0'; c <= '9'; ++c) names.push_back(std::string(1, c));  // names in the ranking
  std::vector<int> codes;
  for (const std::string& n : names) {
    int code = KeyCodeOfName(n);
    ASSERT_NE(code, 0) << n;
    EXPECT_EQ(KeyNameOfCode(code), n);
    codes.push_back(code);
  }
  std::sort(codes.begin(), codes.end());
  EXPECT_EQ(std::unique(codes.begin(), codes.end()), codes.end());
  EXPECT_EQ(KeyCodeOfName("enter"), vk::Return);
  EXPECT_EQ(KeyCodeOfName("f6"), 0);
  EXPECT_EQ(KeyCodeOfName("10"), 0);
  EXPECT_EQ(KeyNameOfCode(12), "");
}

TEST(KeysScript, RecordingRoundTrips) {
  TRecording r;
  r.Seed = 4000000000u;
  r.Stage = 7;
  r.TryScriptPath = "/tmp/my script.lin";
  r.Difficulty = "easy";
  std::string text = FormatRecordingHead(r);
  std::vector<TTimedKey> keys = {{1, {vk::Space, true}},      {2, {vk::Space, false}},
                                 {2, {vk::Minus, true}},      {40, {vk::F2, false}},
                                 {50, {vk::FocusLost, true}}, {60, {vk::FocusGained, true}}};
  for (const TTimedKey& k : keys) text += FormatRecordedKey(k);
  text += FormatRecordedKey({41, {200, true}});  // not a game key: left out
  text += FormatRecordingEnd(99);

  std::vector<std::string> lines;
  size_t p = 0;
  while (p < text.size()) {
    size_t e = text.find('\n', p);
    lines.push_back(text.substr(p, e - p));
    p = e + 1;
  }
  TRecording back;
  std::string error;
  ASSERT_TRUE(ParseRecording(lines, "r.txt", back, error)) << error;
  EXPECT_EQ(back.Seed, r.Seed);
  EXPECT_EQ(back.Stage, 7);
  // The script could not be read here, so the recording names it; a replay
  // gets the path marked as named by a recording.
  EXPECT_EQ(back.TryScriptPath, CarriedPath(r.TryScriptPath));
  EXPECT_EQ(back.Difficulty, "easy");
  EXPECT_EQ(Flat(back.Keys), Flat(keys));
  ASSERT_TRUE(back.EndFrame.has_value());
  EXPECT_EQ(*back.EndFrame, 99);
}

TEST(KeysScript, RecordingNeedsItsHeaderAndSeed) {
  TRecording r;
  std::string error;
  EXPECT_FALSE(ParseRecording({"seed 1", "5 down a"}, "r.txt", r, error));
  EXPECT_EQ(error.rfind("r.txt:1: ", 0), 0u);
  EXPECT_FALSE(ParseRecording({"mirutena-record 1", "seed 1"}, "r.txt", r, error));
  EXPECT_EQ(error.rfind("r.txt:1: recorded by an older version of the game (typing engine 1,", 0),
            0u)
      << error;
  EXPECT_FALSE(ParseRecording({"mirutena-record", "seed 1"}, "r.txt", r, error));
  EXPECT_EQ(error, "r.txt:1: not a record file (expected \"mirutena-record 3\")");
  // A recording of the engine before the input-method rules names both versions.
  EXPECT_FALSE(ParseRecording({"mirutena-record 2", "seed 1"}, "r.txt", r, error));
  EXPECT_EQ(error.rfind("r.txt:1: recorded by an older version of the game (typing engine 2, "
                        "this one is 3)",
                        0),
            0u)
      << error;
  EXPECT_FALSE(ParseRecording({kRecordHeader, "5 down a"}, "r.txt", r, error));
  EXPECT_NE(error.find("seed"), std::string::npos);
  EXPECT_FALSE(ParseRecording({kRecordHeader, "seed 1", "stage 11"}, "r.txt", r, error));
  EXPECT_EQ(error.rfind("r.txt:3: ", 0), 0u);
  EXPECT_FALSE(ParseRecording({kRecordHeader, "seed 4294967296"}, "r.txt", r, error));
  EXPECT_FALSE(ParseRecording({kRecordHeader, "seed 1", "difficulty medium"}, "r.txt", r, error));
  EXPECT_EQ(error.rfind("r.txt:3: ", 0), 0u);
}

TEST(KeysScript, ScriptedInputDeliversEachEventOnceAtItsFrame) {
  std::vector<TTimedKey> keys = {
      {2, {vk::A, true}}, {3, {vk::A, false}}, {3, {kB, true}}, {9, {kB, false}}};
  ScriptedInput in(keys);
  EXPECT_EQ(in.LastFrame(), 9);
  auto game = std::make_unique<Game>();
  auto take = [&](int64_t frame) {
    std::vector<KeyEvent> out;
    in.KeysBefore(frame, *game, out);
    std::vector<int> codes;
    for (const KeyEvent& k : out) codes.push_back(k.Down ? k.Code : -k.Code);
    return codes;
  };
  EXPECT_TRUE(take(1).empty());
  EXPECT_EQ(take(2), (std::vector<int>{vk::A}));
  EXPECT_EQ(take(3), (std::vector<int>{-vk::A, kB}));
  EXPECT_TRUE(take(3).empty());
  EXPECT_EQ(take(20), (std::vector<int>{-kB}));  // overdue events still come
}

// The windows' view travels in a "view" line, written only when it is not the
// default, so recordings of the usual windows stay as they were.
TEST(Recording, TheWindowsViewIsKeptAndReadBack) {
  TRecording r;
  r.Seed = 9;
  EXPECT_EQ(FormatRecordingHead(r).find("view"), std::string::npos);
  r.ReadingLine = "on";
  r.RomajiDisplay = "hint";
  r.Typed = "keep";
  const std::string head = FormatRecordingHead(r);
  EXPECT_NE(head.find("view reading=on romaji=hint typed=keep\n"), std::string::npos) << head;
  std::vector<std::string> lines;
  for (size_t at = 0, nl; (nl = head.find('\n', at)) != std::string::npos; at = nl + 1)
    lines.push_back(head.substr(at, nl - at));
  TRecording back;
  std::string error;
  ASSERT_TRUE(ParseRecording(lines, "rec.txt", back, error)) << error;
  EXPECT_EQ(back.ReadingLine, "on");
  EXPECT_EQ(back.RomajiDisplay, "hint");
  EXPECT_EQ(back.Typed, "keep");
  lines.push_back("view romaji=loud");
  EXPECT_FALSE(ParseRecording(lines, "rec.txt", back, error));
  EXPECT_NE(error.find("romaji=loud"), std::string::npos) << error;
}
