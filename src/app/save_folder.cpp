// The player's save and settings folders, the temporary folder of headless
// runs and the first start's copy of old saves.
#include "app/save_folder.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "app/app_options.h"
#include "saves/save_file.h"
#include "saves/save_lock.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSavedFiles[] = {"score.rnk", "score_easy.rnk", "score_hard.rnk", "clear.clr",
                                       "records.txt"};
constexpr const char* kTempPrefix = "mirutena-save-";

bool CopyIfPresent(const fs::path& from, const fs::path& to, bool& copied, std::string& error) {
  std::error_code ec;
  copied = false;
  if (!fs::is_regular_file(from, ec)) return true;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
  if (ec) {
    error = from.string() + " -> " + to.string() + ": " + ec.message();
    return false;
  }
  copied = true;
  return true;
}

}  // namespace

TEnvLookup ProcessEnvironment() {
  return [](const char* name) { return static_cast<const char*>(std::getenv(name)); };
}

std::string XdgFolder(TXdgKind kind, const TEnvLookup& env, std::string& error) {
  const char* var = kind == TXdgKind::Config ? "XDG_CONFIG_HOME" : "XDG_DATA_HOME";
  const char* fallback = kind == TXdgKind::Config ? ".config" : ".local/share";
  // Relative values are invalid by the base-directory rules and are ignored.
  const char* v = env(var);
  if (v && v[0] == '/') return v;
  const char* home = env("HOME");
  if (home && home[0] != '\0') return (fs::path(home) / fallback).string();
  error = std::string("neither $") + var +
          " nor $HOME is set, so there is no folder for the player's files (use --save-dir DIR)";
  return {};
}

TempSaveFolder::~TempSaveFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
}

bool TempSaveFolder::Create(const std::vector<std::string>& sources, std::string& error) {
  std::error_code ec;
  // The process id in the name lets a later start remove what a crash left.
  std::string pattern =
      (fs::temp_directory_path(ec) / (kTempPrefix + std::to_string(::getpid()) + "-XXXXXX"))
          .string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) {
    error = "cannot create a folder under " + pattern;
    return false;
  }
  path_ = buf.data();
  for (const char* name : kSavedFiles) {
    for (const std::string& source : sources) {
      bool copied = false;
      if (!CopyIfPresent(fs::path(source) / name, fs::path(path_) / name, copied, error))
        return false;
      if (copied) break;
    }
  }
  return true;
}

bool MigrateOldSaves(const std::string& oldDatFolder, const std::string& saveFolder,
                     std::vector<std::string>& copied, std::string& error) {
  std::error_code ec;
  if (fs::exists(saveFolder, ec)) return true;
  fs::create_directories(saveFolder, ec);
  if (ec) {
    error = saveFolder + ": " + ec.message();
    return false;
  }
  for (const char* name : kSavedFiles) {
    bool done = false;
    if (!CopyIfPresent(fs::path(oldDatFolder) / name, fs::path(saveFolder) / name, done, error))
      return false;
    if (done) copied.push_back(name);
  }
  return true;
}

bool ChoosePlayerFolders(const AppOptions& o, const TEnvLookup& env, TempSaveFolder& temp,
                         TPlayerFolders& out, std::string& error) {
  out = TPlayerFolders();
  std::error_code ec;
  if (!o.SaveDir.empty()) {
    out.SaveFolder = (fs::path(o.SaveDir) / "dat").string();
    out.SettingsFile = (fs::path(o.SaveDir) / "settings.ini").string();
    fs::create_directories(out.SaveFolder, ec);
    // Name the folder that could not be made (SaveDir itself may be fine).
    if (!ec && !fs::is_directory(out.SaveFolder, ec))
      ec = std::make_error_code(std::errc::not_a_directory);
    if (ec) error = out.SaveFolder + ": " + ec.message();
    return !ec;
  }
  std::string oldPlace = (fs::path(o.DataDir) / "dat").string();
  const bool bot = !o.AutoplaySpec.empty() || !o.ReplayFile.empty();
  if (o.Mode == AppOptions::TMode::Headless || bot) {
    // A copy of what a window would start from; the player's files stay as
    // they are whatever the run does.
    std::vector<std::string> sources;
    std::string ignored;
    std::string data = XdgFolder(TXdgKind::Data, env, ignored);
    if (!data.empty() && fs::exists(fs::path(data) / "mirutena", ec))
      sources.push_back((fs::path(data) / "mirutena").string());
    sources.push_back(oldPlace);
    if (!temp.Create(sources, error)) return false;
    out.SaveFolder = temp.Path();
    out.SettingsFile.clear();
    out.ResultsKept = false;
    // A window keeps the player's settings (scale, volumes); only the results
    // of the built-in player are not theirs.
    if (o.Mode == AppOptions::TMode::Headless) return true;
    std::string config = XdgFolder(TXdgKind::Config, env, error);
    if (config.empty()) return false;
    out.SettingsFile = (fs::path(config) / "mirutena" / "settings.ini").string();
    return true;
  }
  std::string data = XdgFolder(TXdgKind::Data, env, error);
  if (data.empty()) return false;
  std::string config = XdgFolder(TXdgKind::Config, env, error);
  if (config.empty()) return false;
  out.SaveFolder = (fs::path(data) / "mirutena").string();
  out.SettingsFile = (fs::path(config) / "mirutena" / "settings.ini").string();
  std::vector<std::string> copied;
  return MigrateOldSaves(oldPlace, out.SaveFolder, copied, error);
}

std::string TempRoot() {
  std::error_code ec;
  const fs::path root = fs::temp_directory_path(ec);
  return ec ? std::string() : root.string();
}

std::vector<std::string> TidyAfterCrashes(const std::string& saveFolder,
                                          const std::string& tempRoot) {
  std::vector<std::string> removed;
  std::error_code ec;
  {
    TSaveLock lock(saveFolder);
    for (const std::string& name : RemoveStaleTemps(saveFolder)) removed.push_back(name);
  }
  if (tempRoot.empty() || !fs::is_directory(tempRoot, ec)) return removed;
  TSaveLock lock(tempRoot);
  const std::string prefix = kTempPrefix;
  for (fs::directory_iterator it(tempRoot, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const size_t dash = name.find('-', prefix.size());
    const std::string digits = name.substr(prefix.size(), dash - prefix.size());
    if (dash == std::string::npos || digits.empty() || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
      continue;
    struct stat st {};
    if (::lstat(it->path().c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
      continue;
    if (!ProcessGone(std::stol(digits))) continue;
    std::error_code gone;
    fs::remove_all(it->path(), gone);
    if (!gone) removed.push_back(name);
  }
  return removed;
}
