// Chord symbols, progressions, scales and voicings.
#include "gen_audio/harmony.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Harmony, ChordSymbols) {
  TChord c;
  ASSERT_TRUE(ParseChord("F#m7", c));
  EXPECT_EQ(c.Root, 6);
  EXPECT_EQ(c.Bass, 6);
  EXPECT_EQ(c.Tones, (std::vector<int>{6, 9, 1, 4}));
  ASSERT_TRUE(ParseChord("Cmaj7", c));
  EXPECT_EQ(c.Tones, (std::vector<int>{0, 4, 7, 11}));
  ASSERT_TRUE(ParseChord("Bb/D", c));
  EXPECT_EQ(c.Root, 10);
  EXPECT_EQ(c.Bass, 2);
  EXPECT_EQ(c.Tones, (std::vector<int>{10, 2, 5}));
  ASSERT_TRUE(ParseChord("Edim", c));
  EXPECT_EQ(c.Tones, (std::vector<int>{4, 7, 10}));
  ASSERT_TRUE(ParseChord("Cb", c));  // flats wrap below C
  EXPECT_EQ(c.Root, 11);
  for (const char* bad : {"", "H", "c", "Cx", "C/", "C/E7", "Cmaj", "Am7b5"})
    EXPECT_FALSE(ParseChord(bad, c)) << bad;
}

TEST(Harmony, ProgressionsShareBarsEqually) {
  std::vector<TChordSpan> spans;
  int bars = 0;
  std::string error;
  ASSERT_TRUE(ParseProgression("C | G Am | F", 1000, 1920, spans, bars, error)) << error;
  EXPECT_EQ(bars, 3);
  ASSERT_EQ(spans.size(), 4u);
  EXPECT_EQ(spans[0].Start, 1000u);
  EXPECT_EQ(spans[0].End, 2920u);
  EXPECT_EQ(spans[1].End, 3880u);
  EXPECT_EQ(spans[2].Chord.Root, 9);
  EXPECT_EQ(spans[3].Start, 4840u);
  EXPECT_EQ(spans[3].End, 6760u);
  EXPECT_EQ(ChordAt(spans, 3879).Chord.Root, 7);
  EXPECT_EQ(ChordAt(spans, 3880).Chord.Root, 9);
  EXPECT_EQ(ChordAt(spans, 99999).Chord.Root, 5);  // past the end: the last chord

  spans.clear();
  EXPECT_FALSE(ParseProgression("C | C D E F G A B", 0, 1920, spans, bars, error));
  EXPECT_FALSE(ParseProgression("C | | F", 0, 1920, spans, bars, error));
  EXPECT_FALSE(ParseProgression("C | Q", 0, 1920, spans, bars, error));
  EXPECT_NE(error.find("Q"), std::string::npos);
}

TEST(Harmony, ScalesBendToTheChord) {
  TChord e7, am, c;
  ASSERT_TRUE(ParseChord("E7", e7));
  ASSERT_TRUE(ParseChord("Am", am));
  ASSERT_TRUE(ParseChord("C", c));
  // A minor under its dominant takes the raised leading note G#.
  EXPECT_EQ(ScaleFor(9, true, e7), (std::vector<int>{0, 2, 4, 5, 8, 9, 11}));
  EXPECT_EQ(ScaleFor(9, true, am), (std::vector<int>{0, 2, 4, 5, 7, 9, 11}));
  EXPECT_EQ(ScaleFor(0, false, c), (std::vector<int>{0, 2, 4, 5, 7, 9, 11}));
  // B7 in A minor raises D and F; C7 in C major lowers B, not A.
  TChord b7, c7;
  ASSERT_TRUE(ParseChord("B7", b7));
  ASSERT_TRUE(ParseChord("C7", c7));
  EXPECT_EQ(ScaleFor(9, true, b7), (std::vector<int>{0, 3, 4, 6, 7, 9, 11}));
  EXPECT_EQ(ScaleFor(0, false, c7), (std::vector<int>{0, 2, 4, 5, 7, 9, 10}));
}

TEST(Harmony, StepsFollowTheScale) {
  const std::vector<int> cMajor = {0, 2, 4, 5, 7, 9, 11};
  EXPECT_EQ(ScaleStep(64, 2, cMajor), 67);   // E -> G
  EXPECT_EQ(ScaleStep(60, -1, cMajor), 59);  // C -> B below
  EXPECT_EQ(ScaleStep(65, 7, cMajor), 77);   // an octave up
  EXPECT_EQ(ScaleStep(61, 0, cMajor), 60);   // off the scale: snaps down
  EXPECT_EQ(ScaleStep(61, 1, cMajor), 62);
}

TEST(Harmony, NearestTonesStayInRange) {
  TChord c;
  ASSERT_TRUE(ParseChord("C", c));
  EXPECT_EQ(NearestChordTone(62, c, 40, 90), 60);  // C and E are equally near: the lower wins
  EXPECT_EQ(NearestChordTone(66, c, 40, 90), 67);
  EXPECT_EQ(NearestChordTone(100, c, 40, 70), 67);
  EXPECT_EQ(NearestWithClass(70, 0, 40, 90), 72);
  EXPECT_EQ(NearestWithClass(70, 0, 40, 71), 60);
}

TEST(Harmony, VoicingsMoveLittle) {
  TChord c, f, g7;
  ASSERT_TRUE(ParseChord("C", c));
  ASSERT_TRUE(ParseChord("F", f));
  ASSERT_TRUE(ParseChord("G7", g7));
  std::vector<int> prev;
  for (const TChord* chord : {&c, &f, &g7, &c}) {
    std::vector<int> v = Voicing(*chord, 52, 74, 4, prev);
    ASSERT_EQ(v.size(), 4u);
    for (int k : v) {
      EXPECT_TRUE(IsChordTone(k, *chord)) << k;
      EXPECT_GE(k, 52);
      EXPECT_LE(k, 74);
    }
    EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
    if (!prev.empty()) {
      int moved = 0;
      for (size_t i = 0; i < 4; ++i) moved += std::abs(v[i] - prev[i]);
      EXPECT_LE(moved, 8) << "voices jump";
    }
    prev = v;
  }
  // A range too narrow for the chord gives no voicing rather than notes outside it.
  EXPECT_TRUE(Voicing(c, 60, 62, 3, {}).empty());
}
