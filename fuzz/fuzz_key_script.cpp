// Fuzz target for key scripts (--keys): the input is a script file. Its events
// must come out in frame order with keys the game knows; a refused script
// leaves the events alone and names the line; the events written as a
// recording's key lines must read back the same.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "drive/key_script.h"
#include "fuzz_key_lines.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = fuzz::SplitLines(text);
  const TTimedKey stale{7, {vk::F5, true}};
  std::vector<TTimedKey> events{stale};
  std::string error;
  if (!ParseKeyScript(lines, "keys.txt", events, error)) {
    fuzz::Check(events.size() == 1 && fuzz::SameKeys(events, {stale}),
                "a refused script leaves the events alone");
    fuzz::Check(fuzz::NamesLine(error, "keys.txt", lines.size()), "the message names the line");
    return 0;
  }
  fuzz::Check(error.empty(), "no message on success");
  fuzz::CheckKeys(events);

  // The same file read from disk gives the same events.
  const std::string path = fuzz::WriteScratchFile("keys.txt", data, size);
  std::vector<TTimedKey> loaded;
  fuzz::Check(LoadKeyScript(path, loaded, error), "the file reads as its lines");
  fuzz::Check(fuzz::SameKeys(loaded, events), "the file gives the same events");

  // Written as key lines (what a recording holds) and read again.
  std::vector<std::string> written;
  for (const TTimedKey& k : events) {
    std::string line = FormatRecordedKey(k);
    fuzz::Check(!line.empty() && line.back() == '\n', "every scripted key can be written");
    line.pop_back();
    written.push_back(line);
  }
  std::vector<TTimedKey> again;
  fuzz::Check(ParseKeyScript(written, "written.txt", again, error), "written keys parse");
  fuzz::Check(fuzz::SameKeys(again, events), "written keys read back the same");
  return 0;
}
