// The settings file on disk and the handle through which the game reads and
// changes the player's settings.
#pragma once
#include <string>

#include "settings/settings.h"

enum class TSettingsLoad {
  Missing,   // no file: the defaults
  Read,      // read whole
  Repaired,  // read for what it could; message says what was wrong
  Failed     // could not be read at all (a folder, no permission): the defaults
};

// Reads path into s (defaults first). A file with problems is read for what
// it can and message lists them (the first few, then a count).
TSettingsLoad LoadSettingsFile(const std::string& path, TSettings& s, std::string& message);
// Writes the settings atomically: a temporary file beside path, flushed and
// renamed over it, so a crash leaves the old file or the new one, never half.
// Creates the folder when needed. False with a message.
bool SaveSettingsFile(const std::string& path, const TSettings& s, std::string& error);
// The file's settings with only the ones that differ between before and
// after taken from after: a run writes back what it changed, nothing else.
TSettings MergeChangedSettings(const TSettings& file, const TSettings& before,
                               const TSettings& after);

// The game's handle on the settings: the values it runs with and where they
// are kept. With no path (tests, headless runs without a save folder) changes
// stay in memory.
class TSettingsStore {
 public:
  const TSettings& Values() const { return values_; }
  const std::string& Path() const { return path_; }
  // Loads from path and keeps it for later saves. A damaged file is read for
  // what it can and left as it is; message says what was wrong (empty when
  // nothing was). False when the file exists but cannot be read at all.
  bool Open(const std::string& path, std::string& message);
  // Replaces the values and, when they changed, merges the changed ones into
  // the file as it is now (under the folder's lock); false with a message when
  // the file cannot be read or written (the values are kept in memory).
  bool Change(const TSettings& s, std::string& error);

 private:
  TSettings values_;
  std::string path_;
};
