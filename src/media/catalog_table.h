// The figures of the built-in picture and sound catalogs: names, sizes, cells,
// transparency, key colours and sample formats, in catalog order. The asset
// generator makes items to these figures and the game checks them on load.
#pragma once
#include <array>
#include <cstdint>

struct TPictureSpec {
  const char* Name;   // UTF-8 ("＊" is converted to CP932 when the catalog loads)
  int Width, Height;  // picture size; 0 x 0 = loaded from a file at start-up
  int PatternWidth, PatternHeight;
  int Patterns;  // pattern count once the picture is present
  bool Transparent;
  uint8_t KeyR, KeyG, KeyB;
};

struct TSoundSpec {
  const char* Name;
  int Channels, Rate, Bits, Bytes;
};

extern const std::array<TPictureSpec, 105> kPictureSpecs;
extern const std::array<TSoundSpec, 29> kSoundSpecs;
