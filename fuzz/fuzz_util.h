// Helpers shared by the fuzz targets: a private scratch folder for readers
// that only read files, whole-file reading, and a loud failure for broken
// invariants (libFuzzer records the input that caused it).
#pragma once
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace fuzz {

// A folder made on first use and removed when the process exits normally;
// under /dev/shm when there is one, so that a million inputs (and the saves
// that sync their files) never touch the disk.
inline const std::string& ScratchDir() {
  // Held by a pointer that is never freed: the exit handler below runs after
  // static objects are destroyed.
  static const std::string* const dir = [] {
    std::error_code ec;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "mirutena-fuzz-XXXXXX").string();
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) {
      std::perror("mkdtemp");
      std::abort();
    }
    std::filesystem::create_directories(std::filesystem::path(buf.data()) / "dat");
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(ScratchDir(), ignored);
    });
    return new std::string(buf.data());
  }();
  return *dir;
}

// Writes the bytes to ScratchDir()/relative and returns the full path.
inline std::string WriteScratchFile(const std::string& relative, const uint8_t* data, size_t size) {
  const std::string path = ScratchDir() + "/" + relative;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::abort();
  }
  return path;
}

// The whole file, or an empty string when it cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Stops the run on a broken invariant; libFuzzer saves the input as a crash.
[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

inline void Check(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

}  // namespace fuzz
