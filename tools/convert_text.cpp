// Converts the game's text data from UTF-8 with LF line ends (the sources in
// data/) to the runtime form, Shift-JIS (CP932) with CR LF, mirroring the
// folder tree: convert_text SOURCE_DIR GAME_DIR.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

static bool ToCp932(const std::string& in, std::string& out, std::string& error) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    error = "iconv has no CP932";
    return false;
  }
  out.assign(in.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) {
    size_t offset = in.size() - srcLeft;
    size_t line = 1 + std::count(in.begin(), in.begin() + offset, '\n');
    error = "line " + std::to_string(line) + ": a character that Shift-JIS cannot hold";
    return false;
  }
  out.resize(out.size() - dstLeft);
  return true;
}

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: convert_text SOURCE_DIR GAME_DIR\n";
    return 2;
  }
  fs::path source = argv[1], game = argv[2];
  int failures = 0;
  for (const auto& entry : fs::recursive_directory_iterator(source)) {
    if (!entry.is_regular_file()) continue;
    fs::path rel = fs::relative(entry.path(), source);
    fs::path target = game / rel;
    fs::create_directories(target.parent_path());
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    std::string ext = entry.path().extension().string();
    if (ext != ".lin" && ext != ".txt") {
      fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
      continue;
    }
    std::string crlf;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r') continue;
      if (text[i] == '\n') crlf += "\r\n";
      else crlf += text[i];
    }
    std::string out, error;
    if (!ToCp932(crlf, out, error)) {
      std::cerr << entry.path().string() << ": " << error << "\n";
      ++failures;
      continue;
    }
    std::ofstream o(target, std::ios::binary | std::ios::trunc);
    o.write(out.data(), static_cast<std::streamsize>(out.size()));
  }
  return failures ? 1 : 0;
}
