// MIDI writing and reading: variable-length numbers, event order, the loop
// point, lengths under tempo changes, and damaged input.
#include "gen_audio/midi.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> VarLen(uint32_t v) {
  std::vector<uint8_t> b;
  PutVarLen(b, v);
  return b;
}

}  // namespace

TEST(Midi, VariableLengthNumbers) {
  EXPECT_EQ(VarLen(0), (std::vector<uint8_t>{0x00}));
  EXPECT_EQ(VarLen(0x7F), (std::vector<uint8_t>{0x7F}));
  EXPECT_EQ(VarLen(0x80), (std::vector<uint8_t>{0x81, 0x00}));
  EXPECT_EQ(VarLen(0x2000), (std::vector<uint8_t>{0xC0, 0x00}));
  EXPECT_EQ(VarLen(0x3FFF), (std::vector<uint8_t>{0xFF, 0x7F}));
  EXPECT_EQ(VarLen(0x4000), (std::vector<uint8_t>{0x81, 0x80, 0x00}));
  EXPECT_EQ(VarLen(0x0FFFFFFF), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(Midi, LengthFollowsTheTempoChanges) {
  // Two bars at 120 bpm (2 s each), then one bar at 60 bpm (4 s).
  std::vector<TMidiTrack> tracks(2);
  tracks[0].Tempo(0, 120);
  tracks[0].Tempo(2 * 1920, 60);
  tracks[1].Program(0, 0, 56);
  tracks[1].Note(0, 480, 0, 60, 100);
  TMidiSummary m = ReadMidi(WriteMidi(tracks, 480, 3 * 1920));
  ASSERT_TRUE(m.Ok) << m.Error;
  EXPECT_EQ(m.Format, 1);
  EXPECT_EQ(m.TrackCount, 2);
  EXPECT_EQ(m.Division, 480);
  EXPECT_EQ(m.TempoEvents, 2);
  EXPECT_EQ(m.EndTick, 3u * 1920);
  EXPECT_NEAR(m.LengthMs, 8000.0, 1e-6);
  EXPECT_EQ(m.Programs.at(0), 56);
}

TEST(Midi, ARepeatedKeyIsReleasedBeforeItStrikesAgain) {
  std::vector<TMidiTrack> tracks(1);
  tracks[0].Tempo(0, 100);
  // The second note starts on the tick the first ends (added in reverse order).
  tracks[0].Note(480, 480, 3, 64, 90);
  tracks[0].Note(0, 480, 3, 64, 90);
  TMidiSummary m = ReadMidi(WriteMidi(tracks, 480, 1920));
  ASSERT_TRUE(m.Ok) << m.Error;
  EXPECT_EQ(m.NoteOns, 2);
  EXPECT_EQ(m.HangingNotes, 0);
  EXPECT_EQ(m.CutNotes, 0);  // an off after the second on would silence it
  EXPECT_EQ(m.Overlaps, 0);
  EXPECT_EQ(m.Channels, (std::set<int>{3}));
  EXPECT_EQ(m.MinKey.at(3), 64);
}

TEST(Midi, NothingSoundsPastTheLoopPoint) {
  std::vector<TMidiTrack> tracks(1);
  tracks[0].Note(1800, 600, 0, 60, 80);  // would end 480 ticks after the end
  TMidiSummary m = ReadMidi(WriteMidi(tracks, 480, 1920));
  ASSERT_TRUE(m.Ok) << m.Error;
  EXPECT_EQ(m.HangingNotes, 0);
  EXPECT_EQ(m.LastNoteOffTick, 1920u);
  EXPECT_EQ(m.EndTick, 1920u);
  // No tempo at all: the standard's 120 bpm applies.
  EXPECT_NEAR(m.LengthMs, 2000.0, 1e-6);
}

TEST(Midi, ZeroLengthNotesAreDropped) {
  std::vector<TMidiTrack> tracks(1);
  tracks[0].Note(0, 0, 0, 60, 80);
  TMidiSummary m = ReadMidi(WriteMidi(tracks, 480, 1920));
  ASSERT_TRUE(m.Ok);
  EXPECT_EQ(m.NoteOns, 0);
}

TEST(Midi, ReaderCountsRunningStatusAndHangingNotes) {
  // One track: note-on 60, running-status note-on 64, note-on 60 with
  // velocity 0 (an off), then end of track; 64 is left hanging.
  std::vector<uint8_t> f = {'M', 'T', 'h', 'd', 0,   0,   0,  6, 0, 0,    0,    1,
                            0,   96,  'M', 'T', 'r', 'k', 0,  0, 0, 15,   0,    0x91,
                            60,  100, 0,   64,  90,  96,  60, 0, 0, 0xFF, 0x2F, 0};
  f[21] = uint8_t(f.size() - 22);
  TMidiSummary m = ReadMidi(f);
  ASSERT_TRUE(m.Ok) << m.Error;
  EXPECT_EQ(m.NoteOns, 2);
  EXPECT_EQ(m.HangingNotes, 1);
  EXPECT_EQ(m.Overlaps, 0);
  EXPECT_EQ(m.EndTick, 96u);
  EXPECT_EQ(m.MaxKey.at(1), 64);
  EXPECT_EQ(m.MaxVelocity.at(1), 100);
}

TEST(Midi, DamagedFilesAreRefusedWithoutCrashing) {
  EXPECT_FALSE(ReadMidi({}).Ok);
  EXPECT_FALSE(ReadMidi({'R', 'I', 'F', 'F', 0, 0, 0, 6}).Ok);
  std::vector<TMidiTrack> tracks(1);
  tracks[0].Note(0, 480, 0, 60, 80);
  std::vector<uint8_t> good = WriteMidi(tracks, 480, 1920);
  ASSERT_TRUE(ReadMidi(good).Ok);
  // Every truncation fails cleanly.
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + long(n));
    EXPECT_FALSE(ReadMidi(cut).Ok) << n;
  }
  // A track length that runs past the file.
  std::vector<uint8_t> bad = good;
  bad[21] = 0xF0;
  EXPECT_FALSE(ReadMidi(bad).Ok);
}
