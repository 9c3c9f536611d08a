// Writers of the picture generator: catalog blob, BMP, PNG, review sheet and
// the per-item check against the catalog table.
#include "gen_pictures/output.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

void PutU16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(uint8_t(v)), b.push_back(uint8_t(v >> 8));
}
void PutU32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(v >> (8 * i)));
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(fopen(path.c_str(), "wb"), fclose);
  if (!f || fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

int PatternW(const TPictureSpec& s) {
  return s.PatternWidth > 0 ? s.PatternWidth : s.Width;
}
int PatternH(const TPictureSpec& s) {
  return s.PatternHeight > 0 ? s.PatternHeight : s.Height;
}

}  // namespace

bool WriteBlob(const std::string& path, const std::vector<TItem>& items, std::string& error) {
  std::vector<uint8_t> b = {'M', 'R', 'T', 'P'};
  PutU32(b, uint32_t(items.size()));
  for (const TItem& it : items) {
    std::string name = it.Spec->Name;
    PutU16(b, uint32_t(name.size()));
    b.insert(b.end(), name.begin(), name.end());
    PutU32(b, uint32_t(it.Img.W));
    PutU32(b, uint32_t(it.Img.H));
    for (const TRgb& p : it.Img.Px) b.push_back(p.R), b.push_back(p.G), b.push_back(p.B);
  }
  return WriteFile(path, b, error);
}

bool WriteBmp(const std::string& path, const TImage& img, std::string& error) {
  const uint32_t stride = (uint32_t(img.W) * 3 + 3) & ~3u;
  const uint32_t dataSize = stride * uint32_t(img.H);
  std::vector<uint8_t> b = {'B', 'M'};
  PutU32(b, 54 + dataSize);
  PutU32(b, 0);
  PutU32(b, 54);
  PutU32(b, 40);  // BITMAPINFOHEADER
  PutU32(b, uint32_t(img.W));
  PutU32(b, uint32_t(img.H));  // positive height: bottom row first
  PutU16(b, 1);
  PutU16(b, 24);
  PutU32(b, 0);  // no compression
  PutU32(b, dataSize);
  PutU32(b, 2835), PutU32(b, 2835);  // 72 dpi
  PutU32(b, 0), PutU32(b, 0);
  for (int y = img.H - 1; y >= 0; --y) {
    for (int x = 0; x < img.W; ++x) {
      const TRgb& p = img.At(x, y);
      b.push_back(p.B), b.push_back(p.G), b.push_back(p.R);
    }
    for (uint32_t pad = uint32_t(img.W) * 3; pad < stride; ++pad) b.push_back(0);
  }
  return WriteFile(path, b, error);
}

bool WritePngRows(const std::string& path, int width, int height, bool alpha,
                  const std::function<void(int, uint8_t*)>& fillRow, std::string& error) {
  std::unique_ptr<FILE, int (*)(FILE*)> f(fopen(path.c_str(), "wb"), fclose);
  if (!f) {
    error = "cannot write " + path;
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    error = "PNG encoding failed for " + path;
    return false;
  }
  png_init_io(png, f.get());
  png_set_IHDR(png, info, uint32_t(width), uint32_t(height), 8,
               alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(size_t(width) * (alpha ? 4 : 3));
  for (int y = 0; y < height; ++y) {
    fillRow(y, row.data());
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool WritePng(const std::string& path, const TImage& img, std::string& error) {
  return WritePngRows(
      path, img.W, img.H, false,
      [&](int y, uint8_t* row) {
        for (int x = 0; x < img.W; ++x) {
          const TRgb& p = img.At(x, y);
          row[x * 3] = p.R, row[x * 3 + 1] = p.G, row[x * 3 + 2] = p.B;
        }
      },
      error);
}

std::vector<std::string> CheckItem(const TItem& item) {
  std::vector<std::string> faults;
  const TPictureSpec& s = *item.Spec;
  std::string name = s.Name;
  if (item.Img.W != s.Width || item.Img.H != s.Height) {
    faults.push_back(name + ": picture is " + std::to_string(item.Img.W) + "x" +
                     std::to_string(item.Img.H) + ", the table says " + std::to_string(s.Width) +
                     "x" + std::to_string(s.Height));
    return faults;
  }
  if (s.Width == 0 || !s.Transparent) return faults;
  const TRgb key{s.KeyR, s.KeyG, s.KeyB};
  int pw = PatternW(s), ph = PatternH(s), cols = s.Width / pw, rows = s.Height / ph;
  for (int n = 0; n < cols * rows; ++n) {
    int keyed = 0, ink = 0, near = 0;
    for (int y = (n / cols) * ph; y < (n / cols + 1) * ph; ++y)
      for (int x = (n % cols) * pw; x < (n % cols + 1) * pw; ++x) {
        const TRgb& p = item.Img.At(x, y);
        if (p == key)
          ++keyed;
        else if (SameAs565(p, key))
          ++near;
        else
          ++ink;
      }
    std::string where = name + " pattern " + std::to_string(n);
    if (keyed == 0) faults.push_back(where + " has no key-coloured background");
    if (ink == 0) faults.push_back(where + " is empty");
    if (near > 0) faults.push_back(where + " has pixels that turn into the key colour");
  }
  return faults;
}

TImage ContactSheet(TFonts& fonts, const std::vector<TItem>& items,
                    const std::vector<std::pair<std::string, TImage>>& extras,
                    const std::vector<std::string>& filter, int zoom) {
  struct TTile {
    std::string Label;
    const TImage* Img;
    const TPictureSpec* Spec;  // null for the abc files
    int Scale, W, H;
  };
  const TRgb bg{88, 92, 100}, grid{150, 156, 168}, panel{64, 66, 74};
  std::vector<TTile> tiles;
  auto add = [&](const std::string& label, const TImage& img, const TPictureSpec* spec) {
    if (img.W == 0) return;
    if (!filter.empty() && std::find(filter.begin(), filter.end(), label) == filter.end()) return;
    int scale = std::max(img.W, img.H) <= 48 ? 3 : std::max(img.W, img.H) <= 160 ? 2 : 1;
    scale *= std::max(1, zoom);
    int pw = spec ? PatternW(*spec) : img.W, ph = spec ? PatternH(*spec) : img.H;
    int cols = img.W / pw, rows = img.H / ph;
    tiles.push_back(
        {label, &img, spec, scale, img.W * scale + cols + 1, img.H * scale + rows + 1 + 14});
  };
  for (const TItem& it : items) add(it.Spec->Name, it.Img, it.Spec);
  for (const auto& [label, img] : extras) add(label, img, nullptr);
  // Shelf packing into a fixed width.
  const int sheetW = 1600, gap = 8;
  int x = gap, y = gap, shelf = 0;
  std::vector<std::pair<int, int>> at;
  for (const TTile& t : tiles) {
    if (x + t.W + gap > sheetW) x = gap, y += shelf + gap, shelf = 0;
    at.push_back({x, y});
    x += t.W + gap;
    shelf = std::max(shelf, t.H);
  }
  TImage sheet(sheetW, y + shelf + gap, bg);
  for (size_t i = 0; i < tiles.size(); ++i) {
    const TTile& t = tiles[i];
    auto [ox, oy] = at[i];
    const TImage& img = *t.Img;
    int pw = t.Spec ? PatternW(*t.Spec) : img.W, ph = t.Spec ? PatternH(*t.Spec) : img.H;
    for (int yy = 0; yy < t.H - 14; ++yy)
      for (int xx = 0; xx < t.W; ++xx) sheet.At(ox + xx, oy + yy) = grid;
    TRgb key = t.Spec ? TRgb{t.Spec->KeyR, t.Spec->KeyG, t.Spec->KeyB} : TRgb{0, 0, 0};
    bool keyed = t.Spec ? t.Spec->Transparent : true;
    for (int sy = 0; sy < img.H; ++sy)
      for (int sx = 0; sx < img.W; ++sx) {
        TRgb p = img.At(sx, sy);
        if (keyed && p == key) p = panel;
        int dx = ox + 1 + sx * t.Scale + sx / pw, dy = oy + 1 + sy * t.Scale + sy / ph;
        for (int k = 0; k < t.Scale * t.Scale; ++k)
          sheet.At(dx + k % t.Scale, dy + k / t.Scale) = p;
      }
    TRaster label = fonts.Text(t.Label, TFace::Japanese, 11);
    for (int ly = 0; ly < std::min(label.H, 13); ++ly)
      for (int lx = 0; lx < std::min(label.W, sheetW - ox); ++lx) {
        float a = label.At(lx, ly).A;
        TRgb& d = sheet.At(ox + lx, oy + t.H - 13 + ly);
        d = {uint8_t(d.R + (240 - d.R) * a), uint8_t(d.G + (240 - d.G) * a),
             uint8_t(d.B + (240 - d.B) * a)};
      }
  }
  return sheet;
}
