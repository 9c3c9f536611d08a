// The temporary save folder of headless runs.
#include "app/save_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

TempSaveFolder::~TempSaveFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  fs::remove_all(path_, ec);
}

bool TempSaveFolder::Create(const std::string& dataDir, std::string& error) {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "mirutena-save-XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) {
    error = "cannot create a folder under " + pattern;
    return false;
  }
  path_ = buf.data();
  fs::create_directories(fs::path(path_) / "dat", ec);
  if (ec) {
    error = path_ + ": " + ec.message();
    return false;
  }
  for (const char* name : {"dat/score.rnk", "dat/clear.clr"}) {
    fs::path from = fs::path(dataDir) / name;
    if (!fs::exists(from, ec)) continue;
    fs::copy_file(from, fs::path(path_) / name, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      error = from.string() + ": " + ec.message();
      return false;
    }
  }
  return true;
}
