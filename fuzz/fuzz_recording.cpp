// Fuzz target for recordings (--replay): the input is a record file. A refused
// file leaves the recording alone and names the line; an accepted one, written
// again as the recorder writes it, must read back as the same run.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/file_bytes.h"
#include "drive/key_script.h"
#include "fuzz_key_lines.h"
#include "fuzz_util.h"

namespace {

void Check(bool ok, const char* what) {
  fuzz::Check(ok, what);
}

// A file source as a replay sees it: a carried text is its bytes (the writer
// keeps only the file's own name with them, none of the player's folders).
bool SameSource(const std::string& a, const std::string& b, bool exact) {
  if (exact) return a == b;
  const TCarried x = UnpackCarried(a), y = UnpackCarried(b);
  if (x.Kind != y.Kind) return false;
  return x.Kind == TCarried::TKind::Text ? x.Text == y.Text : x.Name == y.Name;
}

bool SameRun(const TRecording& a, const TRecording& b, bool exact = true) {
  return a.Seed == b.Seed && a.Stage == b.Stage &&
         SameSource(a.TryScriptPath, b.TryScriptPath, exact) && a.Difficulty == b.Difficulty &&
         SameSource(a.Practice, b.Practice, exact) && a.EndFrame == b.EndFrame &&
         fuzz::SameKeys(a.Keys, b.Keys);
}

std::string Write(const TRecording& r) {
  std::string written = FormatRecordingHead(r);
  for (const TTimedKey& k : r.Keys) {
    const std::string line = FormatRecordedKey(k);
    Check(!line.empty(), "every recorded key can be written");
    written += line;
  }
  if (r.EndFrame) written += FormatRecordingEnd(*r.EndFrame);
  return written;
}

TRecording Stale() {
  TRecording r;
  r.Seed = 99;
  r.Stage = 4;
  r.Practice = "stale";
  r.Keys.push_back({3, {vk::A, true}});
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = fuzz::SplitLines(text);
  TRecording r = Stale();
  std::string error;
  if (!ParseRecording(lines, "rec.txt", r, error)) {
    Check(SameRun(r, Stale()), "a refused file leaves the recording alone");
    Check(fuzz::NamesLine(error, "rec.txt", lines.size()), "the message names the line");
    return 0;
  }
  Check(error.empty(), "no message on success");
  fuzz::CheckKeys(r.Keys);
  Check(r.Stage >= 0 && r.Stage <= 10, "stage 0..10");
  Check(r.Difficulty == "easy" || r.Difficulty == "normal" || r.Difficulty == "hard",
        "a difficulty the game has");
  Check(!r.EndFrame || *r.EndFrame >= 0, "the end frame is not negative");

  // The same file read from disk gives the same run.
  const std::string path = fuzz::WriteScratchFile("rec.txt", data, size);
  TRecording loaded;
  Check(LoadRecording(path, loaded, error), "the file reads as its lines");
  Check(SameRun(loaded, r), "the file gives the same run");

  // Written as the recorder writes it and read again: the same run, and
  // writing that again gives the same text.
  const std::string written = Write(r);
  TRecording again;
  Check(ParseRecording(fuzz::SplitLines(written), "written.txt", again, error),
        "a written recording parses");
  Check(SameRun(again, r, false), "a written recording reads back as the same run");
  Check(Write(again) == written, "writing a recording is stable");
  return 0;
}
