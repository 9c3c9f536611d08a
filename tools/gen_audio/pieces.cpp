// The ten background pieces: title, the three stage parts (each more
// pressing than the last), five result rolls growing grander, and the
// continue screen's lament. Chords are written per bar, '|' between bars.
#include "gen_audio/compose.h"

namespace {

TPieceDef Title() {
  // Calm and friendly: flute over electric piano, F major.
  return {"event8",
          92,
          5,
          false,
          TMelodyStyle::Calm,
          {Part(TRole::Melody, 73, 100, 64, 67, 86, 88), Part(TRole::Comp, 4, 80, 48, 53, 72, 62),
           Part(TRole::Pad, 49, 66, 82, 55, 74, 54), Part(TRole::Arp, 11, 62, 96, 60, 79, 56),
           Part(TRole::Bass, 33, 95, 64, 36, 55, 82, kBass(TBassStyle::Ballad)), Drums(88, 92)},
          {{"Fmaj7 | Bbmaj7 | Fmaj7 | C7", "011011", 11, TDrumStyle::Soft, 0},
           {"F | Am | Bb | C | F | Dm | Gm7 | C7", "110011", 12, TDrumStyle::Soft, 1},
           {"Bb | C | Am | Dm | Gm | Am | Bb | C7", "101111", 13, TDrumStyle::Soft, 1},
           {"F | Am | Bb | C | F | Dm | Gm7 | C7", "111011", 12, TDrumStyle::Soft, 2},
           {"Bbmaj7 | C | Am7 Dm7 | Gm7 C7", "011111", 14, TDrumStyle::Soft, 1}},
          1.12};
}

TPieceDef StagePart1() {
  // Driving but still friendly: square lead and brass stabs, A minor.
  return {
      "PSMAT526",
      136,
      9,
      true,
      TMelodyStyle::Driving,
      {Part(TRole::Melody, 80, 90, 64, 64, 84, 96), Part(TRole::Stabs, 61, 74, 44, 55, 74, 80, 1),
       Part(TRole::Arp, 81, 50, 90, 57, 76, 64, 0), Part(TRole::Pad, 50, 62, 70, 52, 71, 58),
       Part(TRole::Bass, 38, 100, 64, 33, 52, 92, kBass(TBassStyle::Drive)), Drums(100, 100)},
      {{"Am | F | G | E", "001111", 21, TDrumStyle::Drive1, 0},
       {"Am | F | G | Am | Am | F | Dm | E", "101111", 22, TDrumStyle::Drive1, 1},
       {"Am | F | G | Am | Am | F | Dm | E", "111011", 22, TDrumStyle::Drive1, 1},
       {"F | G | Em | Am | F | G | E7 | E7", "111111", 23, TDrumStyle::Drive1, 2},
       {"C | G | Am | Em | F | C | Dm | E", "100111", 24, TDrumStyle::Drive1, 0},
       {"Am | F | G | Am | Am | F | Dm | E", "111111", 22, TDrumStyle::Drive1, 2},
       {"F | G | Am | E", "011111", 25, TDrumStyle::Drive1, 1}}};
}

TPieceDef StagePart2() {
  // Faster and harder: saw lead, guitar on the off-beats, a running arpeggio, E minor.
  return {
      "city3",
      148,
      4,
      true,
      TMelodyStyle::Driving,
      {Part(TRole::Melody, 81, 86, 64, 64, 86, 98), Part(TRole::Stabs, 30, 68, 40, 52, 69, 84, 0),
       Part(TRole::Arp, 80, 48, 92, 59, 78, 62, 1), Part(TRole::Pad, 50, 60, 70, 52, 71, 58),
       Part(TRole::Bass, 39, 100, 64, 28, 48, 95, kBass(TBassStyle::Drive)), Drums(100, 104)},
      {{"Em | C | D | B7", "001111", 31, TDrumStyle::Drive2, 0},
       {"Em | C | D | Em | Em | C | Am | B7", "101111", 32, TDrumStyle::Drive2, 1},
       {"Em | C | D | Em | Em | C | Am | B7", "111111", 32, TDrumStyle::Drive2, 1},
       {"C | D | Bm | Em | C | D | B7 | B7", "111111", 33, TDrumStyle::Drive2, 2},
       {"Am | Em | Am | B7 | C | D | C | B7", "100111", 34, TDrumStyle::Drive2, 0},
       {"Em | C | D | Em | Em | C | Am | B7", "111111", 32, TDrumStyle::Drive2, 2},
       {"C | D | Bm | Em | C | D | B7 | B7", "111111", 33, TDrumStyle::Drive2, 2},
       {"C | D | C | B7", "011111", 35, TDrumStyle::Drive2, 1}}};
}

TPieceDef StagePart3() {
  // The boss stretch: urgent sixteenths, brass doubling the lead an octave
  // down, galloping bass and diminished colour, D minor.
  return {"event9",
          160,
          2,
          true,
          TMelodyStyle::Urgent,
          {Part(TRole::Melody, 81, 88, 64, 62, 84, 100),
           Part(TRole::Double, 62, 70, 52, 0, 127, 88, 0, -12),
           Part(TRole::Stabs, 30, 70, 36, 50, 67, 88, 1),
           Part(TRole::Arp, 80, 46, 94, 57, 76, 60, 1), Part(TRole::Pad, 50, 58, 74, 50, 69, 58),
           Part(TRole::Bass, 38, 100, 64, 26, 45, 96, kBass(TBassStyle::Gallop)), Drums(100, 106)},
          {{"Dm | Bb | Gm | A7", "0001111", 41, TDrumStyle::Drive3, 1},
           {"Dm | Dm | Bb | C | Gm | A | Dm | A7", "1010111", 42, TDrumStyle::Drive3, 1},
           {"Dm | Dm | Bb | C | Gm | A | Dm | A7", "1110111", 42, TDrumStyle::Drive3, 2},
           {"Bb | C | Am | Dm | Gm | Edim | A | A7", "1011111", 43, TDrumStyle::Drive3, 2},
           {"Gm | A | Dm | Bb | Gm | A | Bb | A7", "1001111", 44, TDrumStyle::Drive3, 0},
           {"Dm | Dm | Bb | C | Gm | A | Dm | A7", "1111111", 42, TDrumStyle::Drive3, 2},
           {"Bb | C | Am | Dm | Gm | Edim | A | A7", "1111111", 43, TDrumStyle::Drive3, 2},
           {"Bb | C | Dm | Dm | Bb | C | A | A7", "1101111", 45, TDrumStyle::Drive3, 2},
           {"Bb | Gm | Edim | A7", "0011111", 46, TDrumStyle::Drive3, 2}}};
}

TPieceDef RollA() {
  // First result roll: a bright trumpet tune over piano, C major.
  return {"A_082GMW",
          120,
          0,
          false,
          TMelodyStyle::Triumphant,
          {Part(TRole::Melody, 56, 100, 64, 65, 84, 96), Part(TRole::Comp, 0, 78, 44, 53, 72, 68),
           Part(TRole::Pad, 48, 68, 84, 55, 74, 58),
           Part(TRole::Bass, 33, 98, 64, 33, 52, 90, kBass(TBassStyle::Pop)), Drums(100, 100)},
          {{"C | F | G | G7", "01111", 51, TDrumStyle::Pop, 1},
           {"C | G/B | Am | F | C | F | G | G7", "11111", 52, TDrumStyle::Pop, 1},
           {"F | G | Em | Am | F | G | C | G7", "11111", 53, TDrumStyle::Pop, 2},
           {"C | G/B | Am | F | C | F | G | G7", "11111", 52, TDrumStyle::Pop, 2},
           {"Am | Em | F | C | Dm | Em | F | G", "10111", 54, TDrumStyle::Pop, 1},
           {"F | G | C | G7", "01111", 55, TDrumStyle::Pop, 2}}};
}

TPieceDef RollB() {
  // Second roll: trumpet with a flute an octave up and brass hits, D major.
  return {"A_030GMW",
          116,
          2,
          false,
          TMelodyStyle::Triumphant,
          {Part(TRole::Melody, 56, 100, 64, 66, 84, 98),
           Part(TRole::Double, 73, 68, 84, 0, 127, 80, 0, 12),
           Part(TRole::Stabs, 61, 76, 40, 57, 74, 84, 2), Part(TRole::Pad, 48, 70, 88, 54, 74, 60),
           Part(TRole::Bass, 33, 98, 64, 35, 54, 90, kBass(TBassStyle::Pop)), Drums(100, 102)},
          {{"D | G | A | A7", "001111", 61, TDrumStyle::Pop, 1},
           {"D | A | Bm | G | D | Em | A | A7", "101111", 62, TDrumStyle::Pop, 1},
           {"G | A | F#m | Bm | G | A | D | A7", "101111", 63, TDrumStyle::Pop, 1},
           {"D | A | Bm | G | D | Em | A | A7", "111111", 62, TDrumStyle::Pop, 2},
           {"Bm | F#m | G | D | Em | F#m | G | A", "100111", 64, TDrumStyle::Pop, 1},
           {"D | A | Bm | G | D | Em | A | A7", "111111", 62, TDrumStyle::Pop, 2},
           {"G | A | D | A7", "011111", 65, TDrumStyle::Pop, 2}}};
}

TPieceDef Victory() {
  // A march: brass section and strings in octaves, horns, timpani and tuba, B flat.
  return {"victory",
          112,
          10,
          false,
          TMelodyStyle::Triumphant,
          {Part(TRole::Melody, 61, 100, 64, 65, 84, 100),
           Part(TRole::Double, 48, 78, 80, 0, 127, 86, 0, 12),
           Part(TRole::Counter, 60, 80, 44, 53, 67, 78), Part(TRole::Pad, 52, 58, 90, 55, 72, 54),
           Part(TRole::Timpani, 47, 90, 64, 41, 53, 96),
           Part(TRole::Bass, 58, 95, 64, 29, 48, 92, kBass(TBassStyle::March)), Drums(100, 100)},
          {{"Bb | Eb | F | F7", "0011111", 71, TDrumStyle::March, 1},
           {"Bb | F | Gm | Eb | Bb | Eb | F | F7", "1011111", 72, TDrumStyle::March, 1},
           {"Eb | F | Dm | Gm | Cm | F | Bb | F7", "1011111", 73, TDrumStyle::March, 1},
           {"Bb | F | Gm | Eb | Bb | Eb | F | F7", "1111111", 72, TDrumStyle::March, 2},
           {"Gm | Dm | Eb | Bb | Cm | Dm | Eb | F", "1011111", 74, TDrumStyle::March, 1},
           {"Eb | F | Bb | F7", "0111111", 75, TDrumStyle::March, 2}},
          1.06};
}

TPieceDef Future() {
  // Broad and bright: strings carry the tune, horns below, harp and choir, E major.
  return {
      "future",
      108,
      4,
      false,
      TMelodyStyle::Triumphant,
      {Part(TRole::Melody, 48, 100, 64, 64, 86, 100),
       Part(TRole::Double, 60, 80, 44, 0, 127, 86, 0, -12),
       Part(TRole::Counter, 52, 70, 84, 57, 72, 70), Part(TRole::Arp, 46, 70, 96, 52, 76, 70, 0),
       Part(TRole::Timpani, 47, 88, 64, 40, 52, 94),
       Part(TRole::Bass, 32, 95, 64, 28, 47, 90, kBass(TBassStyle::Pop)), Drums(96, 100)},
      {{"E | A | B | B7", "0001111", 81, TDrumStyle::Anthem, 0},
       {"E | B/D# | C#m | A | E | A | B | B7", "1011111", 82, TDrumStyle::Anthem, 1},
       {"A | B | G#m | C#m | A | B | E | B7", "1011111", 83, TDrumStyle::Anthem, 1},
       {"E | B/D# | C#m | A | E | A | B | B7", "1111111", 82, TDrumStyle::Anthem, 2},
       {"C#m | G#m | A | E | F#m | G#m | A | B", "1011111", 84, TDrumStyle::Anthem, 1},
       {"E | B/D# | C#m | A | E | A | B | B7", "1111111", 82, TDrumStyle::Anthem, 2},
       {"A | B | E | B7", "0111111", 85, TDrumStyle::Anthem, 2}},
      0.75};
}

TPieceDef Sense() {
  // The grandest roll: trumpet with strings an octave up, horns, choir, harp
  // and timpani; the last statement broadens, E flat major.
  return {
      "sense",
      100,
      3,
      false,
      TMelodyStyle::Triumphant,
      {Part(TRole::Melody, 56, 104, 64, 63, 84, 102),
       Part(TRole::Double, 48, 84, 84, 0, 127, 90, 0, 12),
       Part(TRole::Counter, 60, 82, 40, 51, 67, 84), Part(TRole::Pad, 52, 66, 92, 55, 74, 62),
       Part(TRole::Arp, 46, 60, 24, 55, 79, 62, 1), Part(TRole::Timpani, 47, 94, 64, 39, 51, 98),
       Part(TRole::Bass, 32, 96, 64, 27, 46, 92, kBass(TBassStyle::Pop)), Drums(100, 104)},
      {{"Eb | Ab | Bb | Bb7", "00111111", 91, TDrumStyle::Anthem, 1},
       {"Eb | Bb/D | Cm | Ab | Eb | Ab | Bb | Bb7", "10111111", 92, TDrumStyle::Anthem, 1},
       {"Ab | Bb | Gm | Cm | Fm | Bb | Eb | Bb7", "10111111", 93, TDrumStyle::Anthem, 1},
       {"Eb | Bb/D | Cm | Ab | Eb | Ab | Bb | Bb7", "11111111", 92, TDrumStyle::Anthem, 2},
       {"Cm | Gm | Ab | Eb | Fm | Gm | Ab | Bb", "10111111", 94, TDrumStyle::Anthem, 1},
       {"Eb | Bb/D | Cm | Ab | Eb | Ab | Bb | Bb7", "11111111", 92, TDrumStyle::Anthem, 2, 92},
       {"Ab | Bb | Eb | Bb7", "01111111", 95, TDrumStyle::Anthem, 2}}};
}

TPieceDef Continue() {
  // Sad and slow: oboe over broken piano chords, A minor.
  return {"PSMAT065",
          72,
          9,
          true,
          TMelodyStyle::Sad,
          {Part(TRole::Melody, 68, 92, 64, 64, 81, 80), Part(TRole::Arp, 0, 78, 50, 52, 72, 56, 0),
           Part(TRole::Pad, 49, 68, 80, 52, 71, 50),
           Part(TRole::Bass, 32, 88, 64, 33, 50, 74, kBass(TBassStyle::Ballad)), Drums(76, 84)},
          {{"Am | Fmaj7", "01111", 101, TDrumStyle::Ballad, 0},
           {"Am | Em | F | C | Dm | Am | B7 | E", "11111", 102, TDrumStyle::Ballad, 1},
           {"F | G | Em | Am | Dm | Am | F | E7", "11111", 103, TDrumStyle::Ballad, 1},
           {"Fmaj7 | E7", "01111", 104, TDrumStyle::Ballad, 0}},
          1.26};
}

}  // namespace

std::vector<TPieceDef> BgmPieces() {
  return {Title(), StagePart1(), StagePart2(), StagePart3(), RollA(),
          RollB(), Victory(),    Future(),     Sense(),      Continue()};
}
