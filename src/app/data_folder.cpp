// The search for the data folder: the command line, the environment, then
// the places the build and the installation put the data beside the program.
#include "app/data_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char* kMarker = "dat/hiragana.txt";

}  // namespace

std::vector<TDataCandidate> DataCandidates(const TDataSearch& s) {
  if (!s.Given.empty()) return {{s.Given, "--data"}};
  const char* env = s.Env ? s.Env("MIRUTENA_DATA") : nullptr;
  if (env && env[0] != '\0') return {{env, "$MIRUTENA_DATA"}};
  std::vector<TDataCandidate> out;
  if (!s.Executable.empty()) {
    fs::path bin = fs::path(s.Executable).parent_path();
    out.push_back({(bin / "game").string(), "next to the program (build tree)"});
    out.push_back(
        {(bin.parent_path() / "share" / "mirutena").string(), "next to the program (installed)"});
  }
  return out;
}

bool IsDataFolder(const std::string& folder) {
  std::error_code ec;
  return fs::is_regular_file(fs::path(folder) / kMarker, ec);
}

bool FindDataFolder(const TDataSearch& s, std::string& folder, std::string& error) {
  std::vector<TDataCandidate> tried = DataCandidates(s);
  for (const TDataCandidate& c : tried)
    if (IsDataFolder(c.Folder)) {
      folder = c.Folder;
      return true;
    }
  std::string list;
  for (const TDataCandidate& c : tried) list += "\n  " + c.Folder + "  (" + c.Source + ")";
  if (tried.empty()) list = "\n  (なし / none)";
  error = std::string("ゲームのデータ (") + kMarker + ") が見つかりません。探したフォルダ:" + list +
          "\nデータのフォルダを --data DIR か環境変数 MIRUTENA_DATA で指定してください。" +
          "\nThe game data (" + kMarker + ") was not found. Folders tried:" + list +
          "\nGive the data folder with --data DIR or the MIRUTENA_DATA variable.";
  return false;
}

std::string ExecutablePath() {
  std::error_code ec;
  fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}
