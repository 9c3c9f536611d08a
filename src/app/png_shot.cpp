// PNG writing with libpng; 16-bit pixels are widened to 8 bits per channel the
// same way the game blends them.
#include "app/png_shot.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool WritePng(const Surface& s, const std::string& path, std::string& error) {
  if (s.Width <= 0 || s.Height <= 0) {
    error = path + ": the surface is empty";
    return false;
  }
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  if (!file) {
    error = path + ": cannot be written";
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info) {
    png_destroy_write_struct(&png, &info);
    error = path + ": out of memory";
    return false;
  }
  std::vector<png_byte> row(static_cast<size_t>(s.Width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = path + ": write error";
    return false;
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, s.Width, s.Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < s.Height; ++y) {
    for (int x = 0; x < s.Width; ++x) {
      TRgb c = Rgb565ToRgb(s.At(x, y));
      row[x * 3] = c.R;
      row[x * 3 + 1] = c.G;
      row[x * 3 + 2] = c.B;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fflush(file.get()) != 0) {
    error = path + ": write error";
    return false;
  }
  return true;
}
