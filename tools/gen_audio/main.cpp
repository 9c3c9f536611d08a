// gen_audio: makes the built-in sound catalog blob and the MIDI pieces of the
// bgm folder, checking every item; a failed check fails the build.
//   gen_audio --blob FILE --bgm DIR [--wav DIR] [--report]
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "gen_audio/compose.h"
#include "gen_audio/pcm.h"
#include "gen_audio/sounds.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "gen_audio: %s\n", message.c_str());
  return 1;
}

double Db(double x) {
  return x > 0 ? 20.0 * std::log10(x) : -200.0;
}

void ReportSound(const TSoundItem& item) {
  float peak = 0, rms = 0;
  for (int c = 0; c < item.Channels; ++c) {
    TSignal s = PcmChannel(item, c);
    peak = std::max(peak, Peak(s));
    rms = std::max(rms, Rms(s));
  }
  double seconds = double(item.Pcm.size()) / (item.Rate * item.Channels * item.Bits / 8);
  std::printf("%-10s %d ch %5d Hz %2d bit %6zu bytes %5.2f s  peak %6.1f dBFS  rms %6.1f dBFS\n",
              item.Name.c_str(), item.Channels, item.Rate, item.Bits, item.Pcm.size(), seconds,
              Db(peak), Db(rms));
}

// Key, tempo, lead and the 4-note groups each stage piece shares with the others.
void ReportPairs(const std::vector<TPieceDef>& stages, const std::vector<TPieceDef>& others) {
  std::vector<TPieceDef> all = others;
  all.insert(all.end(), stages.begin(), stages.end());
  for (const TPieceDef& a : stages) {
    double most = 0;
    const char* with = "";
    for (const TPieceDef& b : all) {
      if (&b == &a || std::strcmp(a.Name, b.Name) == 0) continue;
      double shared = SharedMelodyGroups(PieceMelody(a), PieceMelody(b));
      if (shared > most) most = shared, with = b.Name;
    }
    const char* names[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    std::printf(
        "%-7s %-2s %-5s %3.0f bpm lead %3d, shares at most %4.1f %% of 4-note groups (%s)\n",
        a.Name, names[a.Tonic % 12], a.Minor ? "minor" : "major", a.Bpm, LeadProgram(a), 100 * most,
        with);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string blobPath, bgmDir, wavDir;
  bool report = false;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if ((a == "--blob" || a == "--bgm" || a == "--wav") && i + 1 < argc) {
      std::string& target = a == "--blob" ? blobPath : a == "--bgm" ? bgmDir : wavDir;
      target = argv[++i];
    } else if (a == "--report") {
      report = true;
    } else {
      return Fail("usage: gen_audio --blob FILE --bgm DIR [--wav DIR] [--report]");
    }
  }
  if (blobPath.empty() && bgmDir.empty() && wavDir.empty())
    return Fail("nothing to do: give --blob, --bgm or --wav");

  std::vector<TSoundItem> sounds;
  std::string error;
  if (!MakeAllSounds(sounds, error)) return Fail(error);
  if (!blobPath.empty() && !WriteFile(blobPath, SoundBlob(sounds)))
    return Fail("cannot write " + blobPath);
  for (const TSoundItem& item : sounds) {
    if (!wavDir.empty() && !WriteFile(wavDir + "/" + item.Name + ".wav", WaveFile(item)))
      return Fail("cannot write " + wavDir + "/" + item.Name + ".wav");
    if (report) ReportSound(item);
  }

  const char* required[] = {"event8",   "PSMAT526", "city3",  "event9", "A_082GMW",
                            "A_030GMW", "victory",  "future", "sense",  "PSMAT065"};
  std::vector<TPieceDef> pieces = BgmPieces();
  const std::vector<TPieceDef> stages = StagePieces();
  // Each stage piece must stand apart from every other piece.
  for (size_t i = 0; i < stages.size(); ++i) {
    for (size_t j = 0; j < pieces.size(); ++j) {
      std::string fault = CheckPair(stages[i], pieces[j]);
      if (!fault.empty()) return Fail(fault);
    }
    for (size_t j = i + 1; j < stages.size(); ++j) {
      std::string fault = CheckPair(stages[i], stages[j]);
      if (!fault.empty()) return Fail(fault);
    }
  }
  if (report) ReportPairs(stages, pieces);
  pieces.insert(pieces.end(), stages.begin(), stages.end());
  for (const char* name : required) {
    bool found = false;
    for (const TPieceDef& p : pieces) found = found || std::strcmp(p.Name, name) == 0;
    if (!found) return Fail(std::string("no piece named ") + name);
  }
  for (const TPieceDef& piece : pieces) {
    std::vector<uint8_t> midi;
    if (!RenderPiece(piece, midi, error)) return Fail(error);
    std::string fault = CheckPiece(piece, midi);
    if (!fault.empty()) return Fail(fault);
    std::string path = bgmDir + "/" + piece.Name + ".mid";
    if (!bgmDir.empty() && !WriteFile(path, midi)) return Fail("cannot write " + path);
    if (report)
      std::printf("%-9s.mid %6zu bytes %5.1f s at %.0f bpm\n", piece.Name, midi.size(),
                  PieceSeconds(piece), piece.Bpm);
  }
  return 0;
}
