// The files a recording carries — a stage script to try and an own practice
// list — written into it as escaped lines, so that a replay opens no path.
#pragma once
#include <cstddef>
#include <string>

#include "drive/key_script.h"

// Largest file a recording carries (the limit of the text data files).
inline constexpr size_t kCarriedFileLimit = size_t(1) << 20;

// The lines of one carried file: "KEY-text BYTES NAME" and then its bytes in
// "KEY-data ESCAPED" lines. Bytes below 0x21, 0x7F and '%' are written %XX.
std::string FormatCarriedFile(const std::string& key, const std::string& name,
                              const std::string& text);

// Gathers the carried files of a recording while its lines are parsed.
class TCarriedFiles {
 public:
  // True when the line belongs to a carried file (message set when it is bad).
  bool TakeLine(const std::string& line, std::string& message);
  // Puts each complete file into the recording as a carried text; false with
  // a message when one was cut short or has more bytes than it said.
  bool Finish(TRecording& r, std::string& message) const;

 private:
  struct TFile {
    bool Seen = false;
    size_t Bytes = 0;
    std::string Name, Text;
  };
  TFile script_, practice_;
};

// Whether a --practice value is a plain path of an own list (not a level,
// "weakest" or a carried file).
bool IsListPath(const std::string& spec);

// Reads the files a run names (a plain --try-script path, an own-list
// --practice path) into the recording as carried texts, so the run plays and
// records the same bytes, read once (a pipe can be read only once). False
// with "path: reason" when one cannot be read.
bool CarryRunFiles(TRecording& r, std::string& error);
