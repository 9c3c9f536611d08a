// Fuzz target for the MIDI length reader: the input is a .mid file; the
// length must be a finite number of milliseconds, or -1 for "not MIDI".
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_util.h"
#include "media/music.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const double ms = MidiLengthMs(bytes);
  fuzz::Check(std::isfinite(ms), "the length is finite");
  fuzz::Check(ms >= 0 || ms == -1, "a length or -1");
  if (bytes.size() < 14 || bytes.compare(0, 4, "MThd") != 0) fuzz::Check(ms == -1, "not MIDI");
  return 0;
}
