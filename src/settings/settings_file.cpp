// Reading and atomic writing of settings.ini.
#include "settings/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;

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

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

TSettingsLoad LoadSettingsFile(const std::string& path, TSettings& s, std::string& message) {
  s = TSettings();
  message.clear();
  std::error_code ec;
  if (!fs::exists(path, ec)) return TSettingsLoad::Missing;
  if (fs::is_directory(path, ec)) {
    message = path + ": is a folder, not a settings file";
    return TSettingsLoad::Failed;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    message = path + ": cannot be read (" + std::strerror(errno) + ")";
    return TSettingsLoad::Failed;
  }
  std::string text(kMaxSettingsBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
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
  std::error_code ec;
  fs::path target(path);
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
      error = target.parent_path().string() + ": " + ec.message();
      return false;
    }
  }
  std::string temp = path + ".tmp-" + std::to_string(::getpid());
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = temp + ": " + std::strerror(errno);
    return false;
  }
  bool ok = WriteAll(fd, FormatSettings(s)) && ::fsync(fd) == 0;
  int saved = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    saved = errno;
  }
  if (ok && std::rename(temp.c_str(), path.c_str()) != 0) {
    ok = false;
    saved = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    error = path + ": cannot be written (" + std::strerror(saved) + ")";
  }
  return ok;
}

bool TSettingsStore::Open(const std::string& path, std::string& message) {
  path_ = path;
  TSettingsLoad result = LoadSettingsFile(path, values_, message);
  if (result != TSettingsLoad::Repaired) return true;
  std::string error;
  if (SaveSettingsFile(path, values_, error)) {
    message += "\n  (rewritten with what could be read)";
    return true;
  }
  message += "\n  " + error;
  return false;
}

bool TSettingsStore::Change(const TSettings& s, std::string& error) {
  if (s == values_) return true;
  values_ = s;
  if (path_.empty()) return true;
  return SaveSettingsFile(path_, values_, error);
}
