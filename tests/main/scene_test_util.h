// Helpers of the scene, score and roll tests: a private copy of the runtime
// folder (links to the generated data, its own score and cleared files), so
// that tests never write into the generated folder.
#pragma once
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "support/test_support.h"

class TempDataDir {
 public:
  // With links: bgm/ and abc/ and every dat/ file but the two save files
  // point into the generated folder; without: an empty folder.
  explicit TempDataDir(bool withLinks = true) {
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "mirutena_scenes_XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    Path = mkdtemp(buf.data());
    if (!withLinks) return;
    fs::path game(MIRUTENA_GAME_DIR);
    for (const char* dir : {"bgm", "abc"})
      if (fs::exists(game / dir)) fs::create_directory_symlink(game / dir, fs::path(Path) / dir);
    fs::create_directories(fs::path(Path) / "dat");
    if (!fs::exists(game / "dat")) return;
    for (const auto& entry : fs::directory_iterator(game / "dat")) {
      std::string name = entry.path().filename().string();
      if (name == "score.rnk" || name == "clear.clr") continue;
      fs::create_symlink(entry.path(), fs::path(Path) / "dat" / name);
    }
  }
  ~TempDataDir() {
    std::error_code ec;
    std::filesystem::remove_all(Path, ec);
  }
  TempDataDir(const TempDataDir&) = delete;
  TempDataDir& operator=(const TempDataDir&) = delete;

  std::string File(const std::string& relative) const { return Path + "/" + relative; }

  std::string Path;
};

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// A started game whose data folder is the given private copy, with an empty
// ranking and no stage cleared.
inline std::unique_ptr<TestGame> StartedIn(const TempDataDir& dir, uint32_t seed = 1) {
  auto t = MakeStartedGame(seed);
  t->G.DataDir = dir.Path;
  t->G.SaveFolder.clear();
  t->G.Ranking.fill(0);
  t->G.Cleared.fill(0);
  return t;
}

inline int CountErrorsContaining(const TestGame& t, const std::string& part) {
  const auto& errors = t.Platform.Errors();
  return static_cast<int>(std::count_if(errors.begin(), errors.end(), [&](const std::string& e) {
    return e.find(part) != std::string::npos;
  }));
}

inline int CountPlays(const Game& g, const std::string& name) {
  return static_cast<int>(std::count(g.Waves.PlayLog.begin(), g.Waves.PlayLog.end(), name));
}
