// The program's desktop icon at any size: the first letter of the title in
// its gold on a night-blue tile, written as RGBA PNG files.
#include "gen_pictures/icon.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>

#include "gen_pictures/output.h"

namespace {

uint8_t Byte(float v) {
  return uint8_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

}  // namespace

TRaster DrawIcon(TArt& art, int size) {
  const float s = float(size);
  TRaster r(size, size);
  float pad = std::max(0.5f, s / 32);
  FillRoundRect(r, pad, pad, s - pad, s - pad, s * 0.18f, Rgb(20, 24, 60));
  FillRoundRect(r, pad + s / 32, pad + s / 32, s - pad - s / 32, s - pad - s / 32, s * 0.16f,
                VGradient(0, s, Rgb(48, 52, 120), Rgb(16, 18, 46)));
  TTextStyle st;
  st.Top = Rgb(255, 250, 200);
  st.Bottom = Rgb(255, 120, 60);
  st.EdgeWidth = size >= 32 ? std::max(1, size / 48) : 0;
  st.Edge = Rgb(40, 16, 60);
  st.Embolden = size >= 48 ? 1.0f : 0.3f;
  TextInBox(art, r, "ミ", TFace::Japanese, int(s * 0.78f), s * 0.08f, s * 0.1f, s * 0.92f,
            s * 0.92f, st);
  if (size >= 24) {
    // A twinkle in the top-right corner, as beside the title.
    float cx = s * 0.78f, cy = s * 0.2f, rad = s * 0.11f;
    std::vector<TPt> pts;
    for (int k = 0; k < 8; ++k) {
      float a = k * 3.14159265f / 4, rr = k % 2 ? rad * 0.35f : rad;
      pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    FillPolygon(r, pts, Rgb(255, 240, 120));
  }
  return r;
}

bool WritePngRgba(const std::string& path, const TRaster& img, std::string& error) {
  return WritePngRows(
      path, img.W, img.H, true,
      [&](int y, uint8_t* row) {
        for (int x = 0; x < img.W; ++x) {
          const TRgba& p = img.At(x, y);
          row[x * 4] = Byte(p.R), row[x * 4 + 1] = Byte(p.G), row[x * 4 + 2] = Byte(p.B);
          row[x * 4 + 3] = Byte(p.A);
        }
      },
      error);
}
