// Fuzz target for settings.ini: the input is the file, loaded as the game
// does at start-up and then changed; the values must stay in range, opening
// must not write, and the file a change writes must read back whole.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_util.h"
#include "settings/settings_file.h"

namespace {

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

bool InRange(const TSettings& s) {
  return s.MusicVolume >= 0 && s.MusicVolume <= 100 && s.EffectsVolume >= 0 &&
         s.EffectsVolume <= 100 && s.WindowScale >= 0 && s.WindowScale <= kMaxWindowScale;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::WriteScratchFile("settings.ini", data, size);

  TSettings loaded;
  loaded.MusicVolume = -1;
  std::string message;
  const TSettingsLoad result = LoadSettingsFile(path, loaded, message);
  Check(result == TSettingsLoad::Read || result == TSettingsLoad::Repaired,
        "a regular file is read");
  Check((result == TSettingsLoad::Read) == message.empty(),
        "a message exactly when something was wrong");
  Check(message.empty() || message.rfind(path + ":", 0) == 0, "the message names the file");
  Check(InRange(loaded), "values in range");

  // The loader reads the text up to its first NUL byte; without one the file
  // reads as its text does.
  if (bytes.find('\0') == std::string::npos) {
    std::vector<std::string> problems;
    const TSettings parsed = ParseSettings(bytes, problems);
    Check(parsed == loaded, "the file reads as its text");
    Check(problems.empty() == (result == TSettingsLoad::Read), "the same problems found");
  }

  // Written and read again: the same values, nothing to repair.
  const std::string text = FormatSettings(loaded);
  std::vector<std::string> problems;
  Check(ParseSettings(text, problems) == loaded && problems.empty(),
        "formatted settings parse back");

  // The store reads the file and leaves it as it is, damaged or not; a change
  // writes a sound file holding what was read with the change merged in.
  TSettingsStore store;
  Check(store.Open(path, message), "a readable file opens");
  Check(store.Values() == loaded, "the store holds what the loader read");
  Check(fuzz::ReadWholeFile(path) == bytes, "opening leaves the file as it is");
  TSettings changed = loaded;
  changed.MusicOn = !changed.MusicOn;
  changed.WindowScale = (changed.WindowScale + 1) % (kMaxWindowScale + 1);
  std::string error;
  Check(store.Change(changed, error) && error.empty(), "a change is written");
  TSettings reread;
  Check(LoadSettingsFile(path, reread, message) == TSettingsLoad::Read && message.empty(),
        "a changed file reads whole");
  Check(reread == changed, "the file holds what was read and the change");
  return 0;
}
