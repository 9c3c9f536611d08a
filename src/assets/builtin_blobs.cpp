// Accessors for the blobs that the assembler file includes.
#include "assets/builtin_blobs.h"

extern "C" const uint8_t mirutena_pictures_blob[], mirutena_pictures_blob_end[];
extern "C" const uint8_t mirutena_sounds_blob[], mirutena_sounds_blob_end[];

TBlob BuiltInPictureBlob() {
  return {mirutena_pictures_blob,
          static_cast<size_t>(mirutena_pictures_blob_end - mirutena_pictures_blob)};
}
TBlob BuiltInSoundBlob() {
  return {mirutena_sounds_blob, static_cast<size_t>(mirutena_sounds_blob_end - mirutena_sounds_blob)};
}
