// Fuzz target for the built-in catalog blobs: the input is handed to both the
// picture and the sound blob reader; a refused blob must leave the catalog as
// it was, an accepted one must match the catalog table in size.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_util.h"
#include "media/builtin_catalog.h"
#include "media/catalog_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TPictureList pictures;
  pictures.Items.resize(1);
  pictures.Items[0].Name = "before";
  std::string error;
  if (LoadBuiltInPictures(pictures, data, size, error)) {
    fuzz::Check(pictures.Items.size() == kPictureSpecs.size(), "one item per table row");
  } else {
    fuzz::Check(!error.empty(), "a refused picture blob has a message");
    fuzz::Check(pictures.Items.size() == 1 && pictures.Items[0].Name == "before",
                "a refused picture blob changes nothing");
  }

  TWaveList waves;
  waves.Items.resize(1);
  waves.Items[0].Name = "before";
  error.clear();
  if (LoadBuiltInSounds(waves, data, size, error)) {
    fuzz::Check(waves.Items.size() == kSoundSpecs.size(), "one sound per table row");
  } else {
    fuzz::Check(!error.empty(), "a refused sound blob has a message");
    fuzz::Check(waves.Items.size() == 1 && waves.Items[0].Name == "before",
                "a refused sound blob changes nothing");
  }
  return 0;
}
