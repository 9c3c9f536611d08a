// The background pieces: all ten present and sound, timed as the game's music
// player times them, looping cleanly, with the moods their scenes want, and
// melodies that fit their chords.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "gen_audio/compose.h"
#include "gen_audio/midi.h"
#include "media/music.h"

namespace {

const TPieceDef& Piece(const std::vector<TPieceDef>& all, const std::string& name) {
  auto it =
      std::find_if(all.begin(), all.end(), [&](const TPieceDef& p) { return p.Name == name; });
  if (it == all.end()) throw std::runtime_error("no piece " + name);
  return *it;
}

std::vector<uint8_t> Render(const TPieceDef& piece) {
  std::vector<uint8_t> midi;
  std::string error;
  EXPECT_TRUE(RenderPiece(piece, midi, error)) << error;
  return midi;
}

TChord FirstChord(const TPieceDef& p) {
  std::vector<TChordSpan> spans;
  int bars;
  std::string error;
  ParseProgression(p.Sections.front().Chords, 0, kBarTicks, spans, bars, error);
  return spans.front().Chord;
}

TChord LastChord(const TPieceDef& p) {
  std::vector<TChordSpan> spans;
  int bars;
  std::string error;
  ParseProgression(p.Sections.back().Chords, 0, kBarTicks, spans, bars, error);
  return spans.back().Chord;
}

}  // namespace

TEST(Pieces, TheTenFilesTheScenesAskFor) {
  std::vector<TPieceDef> all = BgmPieces();
  std::vector<std::string> names;
  for (const TPieceDef& p : all) names.push_back(p.Name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names,
            (std::vector<std::string>{"A_030GMW", "A_082GMW", "PSMAT065", "PSMAT526", "city3",
                                      "event8", "event9", "future", "sense", "victory"}));
}

TEST(Pieces, EachRendersSoundAndIsTimedAsThePlayerTimesIt) {
  for (const TPieceDef& p : BgmPieces()) {
    std::vector<uint8_t> midi = Render(p);
    EXPECT_EQ(CheckPiece(p, midi), "") << p.Name;
    TMidiSummary m = ReadMidi(midi);
    ASSERT_TRUE(m.Ok) << p.Name;
    // The game's own length reckoning must agree, or the loop would cut short
    // or leave a gap.
    double player = MidiLengthMs(std::string(midi.begin(), midi.end()));
    EXPECT_NEAR(player, m.LengthMs, 1.0) << p.Name;
    EXPECT_NEAR(m.LengthMs / 1000, PieceSeconds(p), 0.01) << p.Name;
    EXPECT_GE(m.LengthMs, 60000) << p.Name;
    EXPECT_LE(m.LengthMs, 120000) << p.Name;
    // Drums use the General MIDI percussion keys.
    EXPECT_GE(m.MinKey.at(kDrumChannel), 35) << p.Name;
    EXPECT_LE(m.MaxKey.at(kDrumChannel), 81) << p.Name;
    // Melody, harmony, bass and drums.
    EXPECT_GE(m.Channels.size(), 4u) << p.Name;
    EXPECT_EQ(Render(p), midi) << p.Name << " is not repeatable";
  }
}

TEST(Pieces, TheLastBarLeadsBackToTheFirst) {
  for (const TPieceDef& p : BgmPieces()) {
    TChord first = FirstChord(p), last = LastChord(p);
    // The closing chord is the dominant of the opening one.
    EXPECT_EQ(PitchClass(last.Root - first.Root), 7) << p.Name;
  }
}

TEST(Pieces, MoodsFollowTheScenes) {
  std::vector<TPieceDef> all = BgmPieces();
  const TPieceDef &title = Piece(all, "event8"), &sad = Piece(all, "PSMAT065");
  const TPieceDef &s1 = Piece(all, "PSMAT526"), &s2 = Piece(all, "city3"),
                  &s3 = Piece(all, "event9");
  // The stage parts press harder from part to part.
  EXPECT_LT(s1.Bpm, s2.Bpm);
  EXPECT_LT(s2.Bpm, s3.Bpm);
  EXPECT_LT(title.Bpm, s1.Bpm);
  for (const TPieceDef& p : all) EXPECT_LE(sad.Bpm, p.Bpm) << p.Name;
  EXPECT_TRUE(sad.Minor);
  EXPECT_FALSE(title.Minor);
  // The rolls are in major keys and grow: later ones have at least as many parts.
  size_t parts = 0;
  for (const char* name : {"A_082GMW", "A_030GMW", "victory", "future", "sense"}) {
    const TPieceDef& roll = Piece(all, name);
    EXPECT_FALSE(roll.Minor) << name;
    EXPECT_GE(roll.Parts.size(), parts) << name;
    parts = roll.Parts.size();
  }
}

TEST(Pieces, BadDescriptionsAreRefused) {
  TPieceDef p = BgmPieces().front();
  std::vector<uint8_t> midi;
  std::string error;
  TPieceDef badChord = p;
  badChord.Sections[0].Chords = "F | Xm";
  EXPECT_FALSE(RenderPiece(badChord, midi, error));
  EXPECT_NE(error.find("Xm"), std::string::npos) << error;
  TPieceDef badSwitches = p;
  badSwitches.Sections[1].Active = "11";
  EXPECT_FALSE(RenderPiece(badSwitches, midi, error));
  TPieceDef empty = p;
  empty.Sections.clear();
  EXPECT_FALSE(RenderPiece(empty, midi, error));
}

TEST(Melody, FitsItsChordsAndRangeAndRepeatsBySeed) {
  TPieceDef piece = BgmPieces().front();
  TSectionDef section{"C | Am | F | G | C | Am | Dm G | C", "1", 7, TDrumStyle::Pop, 1};
  TPartDef lead{TRole::Melody, 0, 100, 64, 62, 81, 90};
  piece.Tonic = 0;
  TSectionContext s{&piece, &section, 0, 0, {}, true, 0, nullptr};
  std::string error;
  ASSERT_TRUE(ParseProgression(section.Chords, 0, kBarTicks, s.Spans, s.Bars, error));
  s.NextChord = &s.Spans.front().Chord;
  std::vector<TNote> notes = MakeMelody(s, lead);
  ASSERT_GT(notes.size(), 16u);
  for (const TNote& n : notes) {
    EXPECT_GE(n.Key, lead.Low);
    EXPECT_LE(n.Key, lead.High);
    EXPECT_GT(n.Len, 0u);
    const TChord& chord = ChordAt(s.Spans, n.Tick).Chord;
    const std::vector<int> scale = ScaleFor(0, false, chord);
    bool inScale = std::count(scale.begin(), scale.end(), PitchClass(n.Key)) > 0;
    // Beats carry chord tones; the notes between stay in the scale.
    if (n.Tick % kDivision == 0 && n.Len >= kStep) {
      EXPECT_TRUE(IsChordTone(n.Key, chord)) << "key " << n.Key << " at " << n.Tick;
    } else {
      EXPECT_TRUE(inScale) << "key " << n.Key << " at " << n.Tick;
    }
  }
  // Notes do not overlap: one voice.
  for (size_t i = 1; i < notes.size(); ++i)
    EXPECT_LE(notes[i - 1].Tick + notes[i - 1].Len, notes[i].Tick);
  // The section closes on the tonic.
  EXPECT_EQ(PitchClass(notes.back().Key), 0);
  // Same seed, same tune; another seed, another tune.
  std::vector<TNote> again = MakeMelody(s, lead);
  ASSERT_EQ(again.size(), notes.size());
  for (size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(again[i].Key, notes[i].Key);
  section.MelodySeed = 8;
  std::vector<TNote> other = MakeMelody(s, lead);
  bool differs = other.size() != notes.size();
  for (size_t i = 0; !differs && i < notes.size(); ++i) differs = other[i].Key != notes[i].Key;
  EXPECT_TRUE(differs);
}

TEST(Bass, LeansIntoTheNextChord) {
  TPieceDef piece = BgmPieces().front();
  TSectionDef section{"C | F | G | C", "1", 3, TDrumStyle::Pop, 1};
  TPartDef bass{TRole::Bass, 33, 100, 64, 33, 55, 90, int(TBassStyle::Walk)};
  TSectionContext s{&piece, &section, 0, 0, {}, true, 0, nullptr};
  std::string error;
  ASSERT_TRUE(ParseProgression(section.Chords, 0, kBarTicks, s.Spans, s.Bars, error));
  TChord next;
  ASSERT_TRUE(ParseChord("A", next));
  s.NextChord = &next;
  std::vector<TNote> notes = MakeBass(s, bass);
  ASSERT_EQ(notes.size(), 16u);  // a walking line: four per bar
  for (int bar = 0; bar < 4; ++bar) {
    const TNote& down = notes[size_t(bar) * 4];
    const TNote& approach = notes[size_t(bar) * 4 + 3];
    const TChord& chord = ChordAt(s.Spans, down.Tick).Chord;
    EXPECT_EQ(PitchClass(down.Key), chord.Root) << bar;
    // The fourth beat sits a semitone from the next bar's root (the loop's
    // next chord after the last bar).
    int nextRoot = bar < 3 ? s.Spans[size_t(bar) + 1].Chord.Root : next.Root;
    int gap = PitchClass(approach.Key - nextRoot);
    EXPECT_TRUE(gap == 1 || gap == 11) << bar << " key " << approach.Key;
  }
}
