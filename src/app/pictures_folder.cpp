// Finding the pictures folder the way xdg-user-dirs does: lines of
// XDG_PICTURES_DIR="$HOME/Pictures" or an absolute path in quotes.
#include "app/pictures_folder.h"

#include <filesystem>
#include <sstream>

#include "base/file_bytes.h"

namespace fs = std::filesystem;

std::string UserDirsPictures(const std::string& text, const std::string& home) {
  std::istringstream in(text);
  std::string found;
  for (std::string line; std::getline(in, line);) {
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#') continue;
    const std::string key = "XDG_PICTURES_DIR=";
    if (line.compare(start, key.size(), key) != 0) continue;
    std::string value = line.substr(start + key.size());
    while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
    value = value.substr(1, value.size() - 2);
    if (value.rfind("$HOME", 0) == 0) {
      if (home.empty()) continue;
      const std::string rest = value.substr(5);
      if (rest.empty() || rest == "/") continue;  // the home folder itself
      value = home + rest;
    }
    if (value.empty() || value[0] != '/') continue;
    found = value;  // the last line counts
  }
  return found;
}

std::string PicturesFolder(const TEnvLookup& env, const std::string& saveFolder) {
  std::string error;
  const std::string config = XdgFolder(TXdgKind::Config, env, error);
  const char* homeVar = env("HOME");
  const std::string home = homeVar ? homeVar : "";
  if (!config.empty()) {
    std::string text;
    const fs::path file = fs::path(config) / "user-dirs.dirs";
    if (ReadFileBytes(file.string(), 64 * 1024, text) == TReadResult::Whole) {
      const std::string named = UserDirsPictures(text, home);
      if (!named.empty()) return named;
    }
  }
  std::error_code ec;
  if (!home.empty() && fs::is_directory(fs::path(home) / "Pictures", ec))
    return (fs::path(home) / "Pictures").string();
  return saveFolder;
}
