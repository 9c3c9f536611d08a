// Lengths of standard MIDI files built by hand, and damaged data.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>

#include "media/music.h"

namespace {

std::string Chunk(const char* tag, const std::string& body) {
  std::string c(tag, 4);
  const auto n = static_cast<uint32_t>(body.size());
  c += static_cast<char>(n >> 24);
  c += static_cast<char>(n >> 16);
  c += static_cast<char>(n >> 8);
  c += static_cast<char>(n);
  return c + body;
}

std::string Header(int format, int tracks, int division) {
  return Chunk("MThd", std::string{0, static_cast<char>(format), 0, static_cast<char>(tracks),
                                   static_cast<char>(division >> 8), static_cast<char>(division)});
}

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

const std::string kTempo500k = Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20});
const std::string kEnd = Bytes({0x00, 0xFF, 0x2F, 0x00});

// Note on after 960 ticks (delta 0x87 0x40), note off by running status
// after 480 more (0x83 0x60).
const std::string kNotes = Bytes({0x87, 0x40, 0x90, 0x3C, 0x40, 0x83, 0x60, 0x3C, 0x00});

}  // namespace

TEST(MidiLength, SingleTrackWithRunningStatus) {
  // 1440 ticks at 480 per quarter and 0.5 s per quarter.
  const std::string file = Header(0, 1, 480) + Chunk("MTrk", kTempo500k + kNotes + kEnd);
  EXPECT_DOUBLE_EQ(MidiLengthMs(file), 1500.0);
}

TEST(MidiLength, TempoChangesAreTimedPiecewise) {
  // 480 ticks at 0.5 s per quarter, then 960 ticks at 1 s per quarter.
  const std::string track = Bytes({0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}) +
                            Bytes({0x87, 0x40, 0x80, 0x3C, 0x00}) + kEnd;
  EXPECT_DOUBLE_EQ(MidiLengthMs(Header(0, 1, 480) + Chunk("MTrk", track)), 2500.0);
  // Without any tempo event 0.5 s per quarter applies.
  EXPECT_DOUBLE_EQ(MidiLengthMs(Header(0, 1, 480) + Chunk("MTrk", kNotes + kEnd)), 1500.0);
}

TEST(MidiLength, TempoMapOfTheFirstTrackTimesTheOthers) {
  const std::string conductor =
      Bytes({0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}) + kEnd;          // 0.25 s per quarter
  const std::string music = Bytes({0x00, 0xFF, 0x03, 0x02, 'h', 'i'}) +  // name
                            Bytes({0x81, 0x00, 0xF0, 0x03, 0x43, 0x12, 0xF7}) +  // sysex at 128
                            Bytes({0x86, 0x40, 0xC0, 0x05}) +                    // 960: program
                            Bytes({0x00, 0xE0, 0x00, 0x40}) + kEnd;
  const std::string file =
      Header(1, 2, 480) + Chunk("MTrk", conductor) + Chunk("XXXX", "junk") + Chunk("MTrk", music);
  EXPECT_DOUBLE_EQ(MidiLengthMs(file), 500.0);
}

TEST(MidiLength, SmpteDivisionCountsFramesPerSecond) {
  // 25 frames of 40 ticks: 1000 ticks per second; 1500 ticks.
  const std::string track = Bytes({0x8B, 0x5C, 0x90, 0x3C, 0x40}) + kEnd;
  EXPECT_DOUBLE_EQ(MidiLengthMs(Header(0, 1, 0xE728) + Chunk("MTrk", track)), 1500.0);
}

TEST(MidiLength, DamagedTracksCountUpToTheDamage) {
  // No end-of-track event and the chunk length runs past the file.
  std::string file = Header(0, 1, 480) + Chunk("MTrk", kTempo500k + kNotes);
  file[file.size() - kTempo500k.size() - kNotes.size() - 1] = 0x7F;
  EXPECT_DOUBLE_EQ(MidiLengthMs(file), 1500.0);
  // A data byte with no status before it ends the track there.
  const std::string bad =
      Header(0, 1, 480) + Chunk("MTrk", Bytes({0x83, 0x60, 0x3C, 0x40}) + kNotes);
  EXPECT_DOUBLE_EQ(MidiLengthMs(bad), 500.0);
  // An unterminated delta time.
  const std::string vlq =
      Header(0, 1, 480) + Chunk("MTrk", kNotes + Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_DOUBLE_EQ(MidiLengthMs(vlq), 1500.0);
}

TEST(MidiLength, NotMidiAtAll) {
  EXPECT_LT(MidiLengthMs(""), 0);
  EXPECT_LT(MidiLengthMs("MThd"), 0);
  EXPECT_LT(MidiLengthMs("RIFF....WAVEfmt "), 0);
  EXPECT_LT(MidiLengthMs(Header(0, 1, 0) + Chunk("MTrk", kEnd)), 0);
  std::string huge = Header(0, 1, 480);
  huge[7] = 0x7F;  // header length beyond the data
  EXPECT_LT(MidiLengthMs(huge), 0);
  EXPECT_DOUBLE_EQ(MidiLengthMs(Header(0, 0, 480)), 0.0);  // no tracks: nothing to play
}

TEST(MidiLength, RandomCorruptionNeverCrashes) {
  const std::string good = Header(1, 2, 480) + Chunk("MTrk", kTempo500k + kEnd) +
                           Chunk("MTrk", kNotes + Bytes({0x00, 0xF7, 0x02, 1, 2}) + kNotes + kEnd);
  std::mt19937 rng(7);
  for (int round = 0; round < 20000; ++round) {
    std::string b = good;
    const int flips = 1 + static_cast<int>(rng() % 6);
    for (int f = 0; f < flips; ++f) b[rng() % b.size()] = static_cast<char>(rng());
    if (rng() % 4 == 0) b.resize(rng() % b.size());
    const double ms = MidiLengthMs(b);
    ASSERT_FALSE(std::isnan(ms));
  }
  std::string noise(4096, 0);
  for (char& c : noise) c = static_cast<char>(rng());
  EXPECT_LT(MidiLengthMs(noise), 0);
  EXPECT_FALSE(std::isnan(MidiLengthMs("MThd" + noise.substr(4))));
}

// A tempo of 0 would give the piece no length, so that it restarted every
// frame: such a file is refused like a damaged one, wherever the event sits.
TEST(MidiLength, ZeroTempoIsRefused) {
  const std::string zero = Bytes({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00});
  EXPECT_LT(MidiLengthMs(Header(0, 1, 480) + Chunk("MTrk", zero + kNotes + kEnd)), 0);
  EXPECT_LT(MidiLengthMs(Header(1, 2, 480) + Chunk("MTrk", kTempo500k + kEnd) +
                         Chunk("MTrk", kNotes + zero + kEnd)),
            0);
  EXPECT_DOUBLE_EQ(MidiLengthMs(Header(0, 1, 480) + Chunk("MTrk", kTempo500k + kNotes + kEnd)),
                   1500.0);
}

// A piece of no length (every note at tick 0) or a flood of events is never
// played: the devices refuse it on opening, with the reason.
TEST(MidiLength, PiecesThatWouldStallAreNotPlayed) {
  std::string burst;
  for (int i = 0; i < 200000; ++i) burst += Bytes({0x00, 0x90, 0x3C, 0x40});
  const std::string flood = Header(0, 1, 480) + Chunk("MTrk", burst + kEnd);
  TMidiFacts f = ReadMidiFacts(flood);
  EXPECT_EQ(f.Events, 200001u);
  EXPECT_DOUBLE_EQ(f.LengthMs, 0.0);
  EXPECT_NE(f.Problem.find("多すぎます"), std::string::npos) << f.Problem;

  f = ReadMidiFacts(Header(0, 1, 480) + Chunk("MTrk", Bytes({0x00, 0x90, 0x3C, 0x40}) + kEnd));
  EXPECT_EQ(f.Events, 2u);
  EXPECT_NE(f.Problem.find("長さが 0"), std::string::npos) << f.Problem;
  const std::string zero = Bytes({0x00, 0xFF, 0x51, 0x03, 0x00, 0x00, 0x00});
  f = ReadMidiFacts(Header(0, 1, 480) + Chunk("MTrk", zero + kNotes + kEnd));
  EXPECT_TRUE(f.ZeroTempo);
  EXPECT_FALSE(f.Problem.empty());
  // At the limits a piece plays: 100000 events, one tenth of a second.
  std::string many;
  for (int i = 0; i < 99998; ++i) many += Bytes({0x00, 0x90, 0x3C, 0x40});
  many += Bytes({0x30, 0x80, 0x3C, 0x00});  // 48 ticks at 96 a quarter: 0.25 s
  f = ReadMidiFacts(Header(0, 1, 96) + Chunk("MTrk", many + kEnd));
  EXPECT_EQ(f.Events, 100000u);
  EXPECT_DOUBLE_EQ(f.LengthMs, 250.0);
  EXPECT_TRUE(f.Problem.empty()) << f.Problem;

  const std::string path =
      (std::filesystem::temp_directory_path() / ("mirutena_midi_" + std::to_string(getpid())))
          .string();
  std::ofstream(path, std::ios::binary) << flood;
  double length = -2;
  std::string error;
  EXPECT_FALSE(ReadMidiFileLength(path, length, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(length, -2);
  std::filesystem::remove(path);
}
