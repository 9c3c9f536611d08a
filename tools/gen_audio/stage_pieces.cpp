// The nine stage pieces, one for the parts of each stage, each in a key and
// with a lead of its own and a tempo that rises with the stages. Every piece
// runs a little over two minutes and loops: its last bar is the dominant of
// its first chord. Chords are written per bar, '|' between bars.
#include "gen_audio/compose.h"

namespace {

TPieceDef Stage1() {
  // First steps across the meadow: a clarinet tune over strummed guitar, G major.
  return {"stage1",
          124,
          7,
          false,
          TMelodyStyle::Calm,
          {Part(TRole::Melody, 71, 100, 64, 62, 81, 94), Part(TRole::Comp, 25, 78, 40, 55, 74, 70),
           Part(TRole::Arp, 12, 58, 92, 62, 81, 60, 0), Part(TRole::Pad, 89, 60, 76, 55, 74, 54),
           Part(TRole::Bass, 33, 96, 64, 31, 50, 88, kBass(TBassStyle::Pop)), Drums(96, 96)},
          {{"G | C | D | D7", "011111", 111, TDrumStyle::Pop, 0},
           {"G | Em | C | D | G | Em | Am | D7", "110111", 112, TDrumStyle::Pop, 1},
           {"G | Em | C | D | G | Em | Am | D7", "111111", 112, TDrumStyle::Pop, 1},
           {"C | D | Bm | Em | Am | D | G | D7", "101111", 113, TDrumStyle::Pop, 1},
           {"G | Em | C | D | G | Em | Am | D7", "111111", 112, TDrumStyle::Pop, 2},
           {"Em | Bm | C | G | Am | Bm | C | D", "100111", 114, TDrumStyle::Pop, 0},
           {"C | D | Bm | Em | Am | D | G | D7", "111111", 113, TDrumStyle::Pop, 2},
           {"G | Em | C | D | G | Em | Am | D7", "111111", 112, TDrumStyle::Pop, 2},
           {"C | Am | D | D7", "011111", 115, TDrumStyle::Pop, 1}},
          1.0,
          {2, 2, -1, -1, 0, -2, 4}};
}

TPieceDef Stage2() {
  // Desert and seaside: a soprano sax over marimba and a walking bass, C minor.
  return {"stage2",
          132,
          0,
          true,
          TMelodyStyle::Driving,
          {Part(TRole::Melody, 64, 96, 64, 62, 82, 96), Part(TRole::Arp, 12, 64, 36, 60, 79, 66, 0),
           Part(TRole::Stabs, 61, 66, 88, 55, 72, 78, 2), Part(TRole::Pad, 50, 58, 72, 53, 72, 54),
           Part(TRole::Bass, 32, 96, 64, 31, 50, 90, kBass(TBassStyle::Walk)), Drums(98, 98)},
          {{"Cm | Ab | Bb | G7", "011111", 121, TDrumStyle::Drive1, 0},
           {"Cm | Fm | Bb | Eb | Ab | Fm | Dm | G7", "110111", 122, TDrumStyle::Drive1, 1},
           {"Cm | Fm | Bb | Eb | Ab | Fm | Dm | G7", "111011", 122, TDrumStyle::Drive1, 1},
           {"Ab | Bb | Gm | Cm | Ab | Bb | G | G7", "101111", 123, TDrumStyle::Drive1, 2},
           {"Fm | Cm | Fm | G7 | Ab | Bb | Ab | G7", "100111", 124, TDrumStyle::Drive1, 0},
           {"Cm | Fm | Bb | Eb | Ab | Fm | Dm | G7", "111111", 122, TDrumStyle::Drive1, 2},
           {"Ab | Bb | Gm | Cm | Ab | Bb | G | G7", "111111", 123, TDrumStyle::Drive1, 2},
           {"Cm | Fm | Bb | Eb | Ab | Fm | Dm | G7", "111111", 122, TDrumStyle::Drive1, 1},
           {"Cm | Fm | Bb | Eb | Ab | Fm | Dm | G7", "110111", 122, TDrumStyle::Drive1, 1},
           {"Ab | Bb | Ab | G7", "011111", 125, TDrumStyle::Drive1, 1}},
          1.0,
          {1, -2, 1, -2, 3, 0}};
}

TPieceDef Stage3() {
  // Night and brick lanes, a gunman and a clown: percussive organ with brass
  // hits over a galloping bass, B minor.
  return {
      "stage3",
      140,
      11,
      true,
      TMelodyStyle::Driving,
      {Part(TRole::Melody, 17, 92, 64, 64, 83, 96), Part(TRole::Stabs, 61, 70, 40, 54, 71, 82, 1),
       Part(TRole::Arp, 46, 56, 92, 59, 78, 62, 1), Part(TRole::Pad, 48, 56, 74, 52, 71, 52),
       Part(TRole::Bass, 34, 98, 64, 28, 47, 92, kBass(TBassStyle::Gallop)), Drums(100, 100)},
      {{"Bm | G | A | F#7", "011111", 131, TDrumStyle::Drive2, 0},
       {"Bm | Em | A | D | G | Em | C#dim | F#7", "101111", 132, TDrumStyle::Drive2, 1},
       {"Bm | Em | A | D | G | Em | C#dim | F#7", "111111", 132, TDrumStyle::Drive2, 1},
       {"G | A | F#m | Bm | Em | A | F# | F#7", "111011", 133, TDrumStyle::Drive2, 2},
       {"Em | Bm | Em | F#7 | G | A | G | F#7", "100111", 134, TDrumStyle::Drive2, 0},
       {"Bm | Em | A | D | G | Em | C#dim | F#7", "111111", 132, TDrumStyle::Drive2, 2},
       {"G | A | F#m | Bm | Em | A | F# | F#7", "111111", 133, TDrumStyle::Drive2, 2},
       {"Bm | Em | A | D | G | Em | C#dim | F#7", "111111", 132, TDrumStyle::Drive2, 2},
       {"Bm | Em | A | D | G | Em | C#dim | F#7", "101111", 132, TDrumStyle::Drive2, 1},
       {"Bm | G | Em | F#7", "011111", 135, TDrumStyle::Drive2, 1}},
      1.0,
      {-1, -1, -1, 4, 4, -2}};
}

TPieceDef Stage4() {
  // Snow and brick walls: vibraphone over a sixteenth harp and strings, A flat major.
  return {"stage4",
          116,
          8,
          false,
          TMelodyStyle::Triumphant,
          {Part(TRole::Melody, 11, 108, 64, 63, 84, 104),
           Part(TRole::Double, 8, 70, 90, 0, 127, 80, 0, 12),
           Part(TRole::Arp, 46, 62, 30, 56, 79, 60, 1), Part(TRole::Pad, 49, 66, 80, 53, 72, 56),
           Part(TRole::Bass, 33, 96, 64, 32, 51, 88, kBass(TBassStyle::Ballad)), Drums(94, 96)},
          {{"Ab | Db | Eb | Eb7", "001111", 141, TDrumStyle::Anthem, 0},
           {"Ab | Fm | Db | Eb | Ab | Fm | Bbm | Eb7", "101111", 142, TDrumStyle::Anthem, 1},
           {"Ab | Fm | Db | Eb | Ab | Fm | Bbm | Eb7", "111111", 142, TDrumStyle::Anthem, 1},
           {"Db | Eb | Cm | Fm | Bbm | Eb | Ab | Eb7", "101111", 143, TDrumStyle::Anthem, 1},
           {"Fm | Cm | Db | Ab | Bbm | Cm | Db | Eb", "100111", 144, TDrumStyle::Anthem, 0},
           {"Ab | Fm | Db | Eb | Ab | Fm | Bbm | Eb7", "111111", 142, TDrumStyle::Anthem, 2},
           {"Db | Eb | Cm | Fm | Bbm | Eb | Ab | Eb7", "111111", 143, TDrumStyle::Anthem, 2},
           {"Ab | Fm | Db | Eb | Ab | Fm | Bbm | Eb7", "101111", 142, TDrumStyle::Anthem, 1},
           {"Db | Eb | Ab | Eb7", "011111", 145, TDrumStyle::Anthem, 1}},
          1.0,
          {2, 2, 2, -4, -2, 5}};
}

TPieceDef Stage5() {
  // Meadow, desert and snowfield in one round: a fiddle reel over accordion, A major.
  return {"stage5",
          146,
          9,
          false,
          TMelodyStyle::Urgent,
          {Part(TRole::Melody, 110, 96, 64, 64, 86, 98), Part(TRole::Comp, 21, 70, 42, 57, 74, 72),
           Part(TRole::Arp, 105, 56, 88, 57, 81, 64, 0), Part(TRole::Pad, 48, 52, 74, 52, 71, 52),
           Part(TRole::Bass, 33, 98, 64, 33, 52, 90, kBass(TBassStyle::Drive)), Drums(98, 100)},
          {{"A | D | E | E7", "011111", 151, TDrumStyle::Pop, 1},
           {"A | F#m | D | E | A | F#m | Bm | E7", "101111", 152, TDrumStyle::Pop, 1},
           {"A | F#m | D | E | A | F#m | Bm | E7", "111111", 152, TDrumStyle::Pop, 2},
           {"D | E | C#m | F#m | D | E | A | E7", "111011", 153, TDrumStyle::Pop, 1},
           {"F#m | C#m | D | A | Bm | C#m | D | E", "100111", 154, TDrumStyle::Pop, 0},
           {"A | F#m | D | E | A | F#m | Bm | E7", "111111", 152, TDrumStyle::Pop, 2},
           {"D | E | C#m | F#m | D | E | A | E7", "111111", 153, TDrumStyle::Pop, 2},
           {"A | F#m | D | E | A | F#m | Bm | E7", "111111", 152, TDrumStyle::Pop, 2},
           {"A | F#m | D | E | A | F#m | Bm | E7", "111111", 155, TDrumStyle::Pop, 1},
           {"A | F#m | D | E | A | F#m | Bm | E7", "101111", 152, TDrumStyle::Pop, 1},
           {"D | E | D | E7", "011111", 156, TDrumStyle::Pop, 1}},
          1.0,
          {1, 1, -4, 0, 0, 2}};
}

TPieceDef Stage6() {
  // Steel and lava: overdriven guitar over a driving bass and brass, F minor.
  return {
      "stage6",
      152,
      5,
      true,
      TMelodyStyle::Driving,
      {Part(TRole::Melody, 29, 90, 64, 60, 81, 100), Part(TRole::Stabs, 61, 70, 40, 53, 70, 86, 1),
       Part(TRole::Arp, 81, 44, 92, 55, 74, 60, 1), Part(TRole::Pad, 48, 56, 74, 50, 69, 56),
       Part(TRole::Bass, 38, 100, 64, 29, 48, 96, kBass(TBassStyle::Drive)), Drums(100, 106)},
      {{"Fm | Db | Eb | C7", "001111", 161, TDrumStyle::Drive3, 1},
       {"Fm | Fm | Db | Eb | Bbm | C | Fm | C7", "101111", 162, TDrumStyle::Drive3, 1},
       {"Fm | Fm | Db | Eb | Bbm | C | Fm | C7", "111111", 162, TDrumStyle::Drive3, 2},
       {"Db | Eb | Cm | Fm | Bbm | Gdim | C | C7", "101111", 163, TDrumStyle::Drive3, 2},
       {"Bbm | C | Fm | Db | Bbm | C | Db | C7", "100111", 164, TDrumStyle::Drive3, 0},
       {"Fm | Fm | Db | Eb | Bbm | C | Fm | C7", "111111", 162, TDrumStyle::Drive3, 2},
       {"Db | Eb | Cm | Fm | Bbm | Gdim | C | C7", "111111", 163, TDrumStyle::Drive3, 2},
       {"Fm | Fm | Db | Eb | Bbm | C | Fm | C7", "111111", 162, TDrumStyle::Drive3, 1},
       {"Db | Eb | Fm | Fm | Db | Eb | C | C7", "111111", 165, TDrumStyle::Drive3, 2},
       {"Fm | Fm | Db | Eb | Bbm | C | Fm | C7", "101111", 162, TDrumStyle::Drive3, 1},
       {"Db | Bbm | Gdim | C7", "011111", 166, TDrumStyle::Drive3, 2}},
      1.0,
      {0, 0, 3, -3, -1, 0}};
}

TPieceDef Stage7() {
  // Heat and a midnight circus: rock organ over sixteenth synth and gallop, B flat minor.
  return {
      "stage7",
      164,
      10,
      true,
      TMelodyStyle::Urgent,
      {Part(TRole::Melody, 18, 90, 64, 63, 84, 98), Part(TRole::Stabs, 30, 64, 36, 53, 70, 86, 0),
       Part(TRole::Arp, 87, 44, 94, 58, 77, 60, 1), Part(TRole::Pad, 91, 56, 74, 53, 72, 56),
       Part(TRole::Bass, 39, 100, 64, 27, 46, 96, kBass(TBassStyle::Gallop)), Drums(100, 106)},
      {{"Bbm | Gb | Ab | F7", "001111", 171, TDrumStyle::Drive3, 1},
       {"Bbm | Ebm | Ab | Db | Gb | Ebm | C | F7", "101111", 172, TDrumStyle::Drive3, 1},
       {"Bbm | Ebm | Ab | Db | Gb | Ebm | C | F7", "111111", 172, TDrumStyle::Drive3, 2},
       {"Gb | Ab | Fm | Bbm | Ebm | Ab | F | F7", "111011", 173, TDrumStyle::Drive3, 2},
       {"Ebm | Bbm | Ebm | F7 | Gb | Ab | Gb | F7", "100111", 174, TDrumStyle::Drive3, 0},
       {"Bbm | Ebm | Ab | Db | Gb | Ebm | C | F7", "111111", 172, TDrumStyle::Drive3, 2},
       {"Gb | Ab | Fm | Bbm | Ebm | Ab | F | F7", "111111", 173, TDrumStyle::Drive3, 2},
       {"Bbm | Ebm | Ab | Db | Gb | Ebm | C | F7", "111111", 172, TDrumStyle::Drive3, 1},
       {"Gb | Ab | Bbm | Bbm | Gb | Ab | F | F7", "111111", 175, TDrumStyle::Drive3, 2},
       {"Gb | Ab | Bbm | Bbm | Gb | Ab | F | F7", "111111", 175, TDrumStyle::Drive3, 2},
       {"Bbm | Ebm | Ab | Db | Gb | Ebm | C | F7", "101111", 172, TDrumStyle::Drive3, 1},
       {"Gb | Ebm | C | F7", "011111", 176, TDrumStyle::Drive3, 2}},
      1.0,
      {-2, 3, -2, 3, -6, 0}};
}

TPieceDef Stage8() {
  // A march of steel into the snow: French horn with strings in octaves,
  // timpani and tuba, G minor.
  return {"stage8",
          110,
          7,
          true,
          TMelodyStyle::Triumphant,
          {Part(TRole::Melody, 60, 104, 64, 60, 79, 100),
           Part(TRole::Double, 48, 76, 84, 0, 127, 84, 0, 12),
           Part(TRole::Counter, 57, 72, 40, 50, 65, 76), Part(TRole::Pad, 52, 56, 90, 55, 72, 52),
           Part(TRole::Timpani, 47, 88, 64, 38, 50, 94),
           Part(TRole::Bass, 58, 94, 64, 29, 48, 90, kBass(TBassStyle::March)), Drums(100, 100)},
          {{"Gm | Eb | Cm | D7", "0111111", 181, TDrumStyle::March, 2},
           {"Gm | Cm | F | Bb | Eb | Cm | Am | D7", "1011111", 182, TDrumStyle::March, 1},
           {"Gm | Cm | F | Bb | Eb | Cm | Am | D7", "1111111", 182, TDrumStyle::March, 2},
           {"Eb | F | Dm | Gm | Cm | F | D | D7", "1011111", 183, TDrumStyle::March, 1},
           {"Cm | Gm | Cm | D7 | Eb | F | Eb | D7", "1001111", 184, TDrumStyle::March, 0},
           {"Gm | Cm | F | Bb | Eb | Cm | Am | D7", "1111111", 182, TDrumStyle::March, 2},
           {"Gm | Cm | F | Bb | Eb | Cm | Am | D7", "1011111", 182, TDrumStyle::March, 1},
           {"Eb | Cm | D | D7", "0111111", 185, TDrumStyle::March, 1}},
          1.0,
          {3, -3, 4, -2, 0, 1}};
}

TPieceDef Stage9() {
  // The last stage, lava to the sea floor to the stars: a distorted lead with
  // brass doubling it below, urgent sixteenths, C sharp minor.
  return {"stage9",
          176,
          1,
          true,
          TMelodyStyle::Urgent,
          {Part(TRole::Melody, 84, 88, 64, 61, 83, 100),
           Part(TRole::Double, 61, 66, 50, 0, 127, 86, 0, -12),
           Part(TRole::Stabs, 30, 66, 36, 52, 69, 88, 1),
           Part(TRole::Arp, 81, 42, 94, 56, 75, 60, 1), Part(TRole::Pad, 94, 56, 74, 52, 71, 56),
           Part(TRole::Bass, 38, 100, 64, 25, 44, 96, kBass(TBassStyle::Gallop)), Drums(100, 108)},
          {{"C#m | A | B | G#7", "0001111", 191, TDrumStyle::Drive3, 1},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1010111", 192, TDrumStyle::Drive3, 1},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1110111", 192, TDrumStyle::Drive3, 2},
           {"A | B | G#m | C#m | F#m | D#dim | G# | G#7", "1011111", 193, TDrumStyle::Drive3, 2},
           {"F#m | G# | C#m | A | F#m | G# | A | G#7", "1001111", 194, TDrumStyle::Drive3, 0},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1111111", 192, TDrumStyle::Drive3, 2},
           {"A | B | G#m | C#m | F#m | D#dim | G# | G#7", "1111111", 193, TDrumStyle::Drive3, 2},
           {"A | B | C#m | C#m | A | B | G# | G#7", "1101111", 195, TDrumStyle::Drive3, 2},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1111111", 192, TDrumStyle::Drive3, 1},
           {"A | B | C#m | C#m | A | B | G# | G#7", "1111111", 195, TDrumStyle::Drive3, 2},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1010111", 192, TDrumStyle::Drive3, 1},
           {"C#m | C#m | A | B | F#m | G# | C#m | G#7", "1010111", 192, TDrumStyle::Drive3, 1},
           {"A | F#m | D#dim | G#7", "0011111", 196, TDrumStyle::Drive3, 2}},
          1.0,
          {7, -7, -1, -1, 2, -2}};
}

}  // namespace

std::vector<TPieceDef> StagePieces() {
  return {Stage1(), Stage2(), Stage3(), Stage4(), Stage5(), Stage6(), Stage7(), Stage8(), Stage9()};
}
