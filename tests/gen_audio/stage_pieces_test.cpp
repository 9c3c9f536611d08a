// The stage pieces: nine sound pieces of two minutes or more that loop
// cleanly, each told apart from every other piece by key, tempo, lead and
// melodic turns; and the pair check itself catching pieces that are alike.
#include <gtest/gtest.h>

#include <set>

#include "gen_audio/compose.h"
#include "gen_audio/midi.h"
#include "media/music.h"

namespace {

std::vector<uint8_t> Render(const TPieceDef& piece) {
  std::vector<uint8_t> midi;
  std::string error;
  EXPECT_TRUE(RenderPiece(piece, midi, error)) << error;
  return midi;
}

TChord SectionChord(const TSectionDef& section, bool last) {
  std::vector<TChordSpan> spans;
  int bars;
  std::string error;
  ParseProgression(section.Chords, 0, kBarTicks, spans, bars, error);
  return last ? spans.back().Chord : spans.front().Chord;
}

std::vector<TNote> Line(const std::vector<int>& keys) {
  std::vector<TNote> notes;
  for (size_t i = 0; i < keys.size(); ++i)
    notes.push_back({uint32_t(i) * kStep, kStep, keys[i], 90});
  return notes;
}

}  // namespace

TEST(StagePieces, NineOfTwoMinutesThatLoopCleanly) {
  std::vector<TPieceDef> stages = StagePieces();
  ASSERT_EQ(stages.size(), 9u);
  std::set<std::string> others;
  for (const TPieceDef& p : BgmPieces()) others.insert(p.Name);
  for (size_t i = 0; i < stages.size(); ++i) {
    const TPieceDef& p = stages[i];
    EXPECT_EQ(std::string(p.Name), "stage" + std::to_string(i + 1));
    EXPECT_FALSE(others.count(p.Name)) << p.Name << " would overwrite another piece";
    std::vector<uint8_t> midi = Render(p);
    EXPECT_EQ(CheckPiece(p, midi), "") << p.Name;
    TMidiSummary m = ReadMidi(midi);
    ASSERT_TRUE(m.Ok) << p.Name;
    EXPECT_NEAR(MidiLengthMs(std::string(midi.begin(), midi.end())), m.LengthMs, 1.0) << p.Name;
    EXPECT_GE(m.LengthMs, 120000) << p.Name;
    // The loop: nothing rings past the end, which falls on a bar line, and
    // the last chord is the dominant of the first.
    EXPECT_EQ(m.EndTick % kBarTicks, 0u) << p.Name;
    EXPECT_LE(m.LastNoteOffTick, m.EndTick) << p.Name;
    TChord first = SectionChord(p.Sections.front(), false);
    TChord last = SectionChord(p.Sections.back(), true);
    EXPECT_EQ(PitchClass(last.Root - first.Root), 7) << p.Name;
    EXPECT_EQ(Render(p), midi) << p.Name << " is not repeatable";
  }
}

TEST(StagePieces, EachStandsApartFromEveryOtherPiece) {
  std::vector<TPieceDef> all = BgmPieces(), stages = StagePieces();
  all.insert(all.end(), stages.begin(), stages.end());
  for (const TPieceDef& a : stages) {
    for (const TPieceDef& b : all) {
      if (std::string(a.Name) == b.Name) continue;
      EXPECT_EQ(CheckPair(a, b), "");
      int apart = (a.Tonic != b.Tonic || a.Minor != b.Minor) + (std::abs(a.Bpm - b.Bpm) >= 10) +
                  (LeadProgram(a) != LeadProgram(b));
      EXPECT_GE(apart, 2) << a.Name << " and " << b.Name;
      EXPECT_LE(SharedMelodyGroups(PieceMelody(a), PieceMelody(b)), 0.2)
          << a.Name << " and " << b.Name;
    }
  }
}

TEST(PairCheck, CatchesPiecesThatAreAlike) {
  TPieceDef a = StagePieces().front();
  TPieceDef b = a;
  b.Name = "copy";
  EXPECT_NE(CheckPair(a, b), "");
  // Another tempo alone is not enough.
  b.Bpm = a.Bpm + 20;
  EXPECT_NE(CheckPair(a, b).find("alike"), std::string::npos);
  // Another key and lead too, but the same tune moved up a tone: its turns
  // are the same turns.
  b.Tonic = (a.Tonic + 2) % 12;
  for (TPartDef& part : b.Parts)
    if (part.Role == TRole::Melody) part.Program = (part.Program + 1) % 128;
  EXPECT_NE(CheckPair(a, b).find("4-note groups"), std::string::npos);
  // A new tune as well: now they stand apart.
  for (TSectionDef& s : b.Sections) s.MelodySeed += 1000;
  b.Steps = {5, -3, 0, 4, -6};
  EXPECT_EQ(CheckPair(a, b), "");
}

TEST(PairCheck, CountsTurnsWhateverTheKey) {
  std::vector<TNote> tune = Line({60, 62, 64, 65, 67, 65, 64, 62});
  std::vector<TNote> moved = Line({67, 69, 71, 72, 74, 72, 71, 69});
  EXPECT_DOUBLE_EQ(SharedMelodyGroups(tune, moved), 1.0);
  // Leaps where the tune has steps: no turn in common.
  EXPECT_DOUBLE_EQ(SharedMelodyGroups(tune, Line({60, 67, 55, 67, 60, 72})), 0.0);
  // Half of the shorter line's turns found in the other.
  EXPECT_DOUBLE_EQ(SharedMelodyGroups(Line({60, 62, 64, 65, 72}), tune), 0.5);
  // Fewer than four notes make no group.
  EXPECT_DOUBLE_EQ(SharedMelodyGroups(Line({60, 62, 64}), tune), 0.0);
}

TEST(Melody, OwnStepsShapeTheLineAndMayRepeatNotes) {
  TPieceDef piece = StagePieces().front();
  TSectionDef section{"C | Am | F | G | C | Am | Dm G | C", "1", 7, TDrumStyle::Pop, 1};
  TPartDef lead{TRole::Melody, 0, 100, 64, 60, 84, 90};
  piece.Tonic = 0;
  piece.Minor = false;
  piece.Melody = TMelodyStyle::Driving;
  piece.Steps = {0};
  TSectionContext s{&piece, &section, 0, 0, {}, true, 0, nullptr};
  std::string error;
  ASSERT_TRUE(ParseProgression(section.Chords, 0, kBarTicks, s.Spans, s.Bars, error));
  s.NextChord = &s.Spans.front().Chord;
  std::vector<TNote> repeats = MakeMelody(s, lead);
  int same = 0;
  for (size_t i = 1; i < repeats.size(); ++i) same += repeats[i].Key == repeats[i - 1].Key;
  EXPECT_GT(same, int(repeats.size()) / 3);
  piece.Steps = {};
  std::vector<TNote> moving = MakeMelody(s, lead);
  same = 0;
  for (size_t i = 1; i < moving.size(); ++i) same += moving[i].Key == moving[i - 1].Key;
  EXPECT_LT(same, int(moving.size()) / 6);
}
