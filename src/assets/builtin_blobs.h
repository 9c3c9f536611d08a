// The generated catalog blobs compiled into the program.
#pragma once
#include <cstddef>
#include <cstdint>

struct TBlob {
  const uint8_t* Data;
  size_t Size;
};

TBlob BuiltInPictureBlob();
TBlob BuiltInSoundBlob();
