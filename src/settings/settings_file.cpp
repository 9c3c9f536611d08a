// Reading and atomic writing of settings.ini; a change is merged into the
// file as it is at the time, so two games never undo each other's settings.
#include "settings/settings_file.h"

#include <sstream>
#include <vector>

#include "saves/save_file.h"
#include "saves/save_lock.h"

namespace {

// More than this is not a settings file; only its start is read.
constexpr size_t kMaxSettingsBytes = 64 * 1024;
constexpr size_t kProblemsShown = 5;

std::string JoinProblems(const std::string& path, const std::vector<std::string>& problems) {
  std::string m = path + ":";
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) m += "\n  " + problems[i];
  if (problems.size() > kProblemsShown)
    m += "\n  ... and " + std::to_string(problems.size() - kProblemsShown) + " more";
  return m;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

}  // namespace

TSettings MergeChangedSettings(const TSettings& file, const TSettings& before,
                               const TSettings& after) {
  // The written form has one line per key in a fixed order: the lines that
  // differ are this run's changes, and read after the file's they win.
  const std::vector<std::string> was = Lines(FormatSettings(before));
  const std::vector<std::string> now = Lines(FormatSettings(after));
  std::string text = FormatSettings(file);
  for (size_t i = 0; i < now.size(); ++i)
    if (i >= was.size() || was[i] != now[i]) text += now[i] + "\n";
  std::vector<std::string> ignored;
  return ParseSettings(text, ignored);
}

TSettingsLoad LoadSettingsFile(const std::string& path, TSettings& s, std::string& message) {
  s = TSettings();
  message.clear();
  std::string text, why;
  switch (ReadSaveFile(path, kMaxSettingsBytes + 1, text, why)) {
    case TSaveRead::Missing:
      return TSettingsLoad::Missing;
    case TSaveRead::Unreadable:
      message = path + ": cannot be read (" + why + "); it is left as it is";
      return TSettingsLoad::Failed;
    case TSaveRead::Read:
      break;
  }
  std::vector<std::string> problems;
  if (text.size() > kMaxSettingsBytes) {
    text.resize(kMaxSettingsBytes);
    text.erase(text.find_last_of('\n') == std::string::npos ? 0 : text.find_last_of('\n'));
    problems.push_back("longer than " + std::to_string(kMaxSettingsBytes) +
                       " bytes; only the start was read");
  }
  if (text.find('\0') != std::string::npos) {
    problems.push_back("holds NUL bytes; read up to the first");
    text.resize(text.find('\0'));
  }
  std::vector<std::string> lineProblems;
  s = ParseSettings(text, lineProblems);
  problems.insert(problems.end(), lineProblems.begin(), lineProblems.end());
  if (problems.empty()) return TSettingsLoad::Read;
  message = JoinProblems(path, problems);
  return TSettingsLoad::Repaired;
}

bool SaveSettingsFile(const std::string& path, const TSettings& s, std::string& error) {
  return ReplaceSaveFile(path, FormatSettings(s), error);
}

bool TSettingsStore::Open(const std::string& path, std::string& message) {
  path_ = path;
  // A damaged file is read for what it can and left as it is: it is written
  // (with what could be read) only when the player changes a setting.
  TSettingsLoad result = LoadSettingsFile(path, values_, message);
  return result != TSettingsLoad::Failed || path.empty();
}

bool TSettingsStore::Change(const TSettings& s, std::string& error) {
  if (s == values_) return true;
  const TSettings before = values_;
  values_ = s;
  if (path_.empty()) return true;
  TSaveLock lock(FolderOfSaveFile(path_));
  TSettings file;
  std::string message;
  if (LoadSettingsFile(path_, file, message) == TSettingsLoad::Failed) {
    error = message;
    return false;
  }
  return SaveSettingsFile(path_, MergeChangedSettings(file, before, values_), error);
}
