// Drawing of the progress graph and the keyboard heat map.
#include "records/records_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "media/ui_kit.h"

namespace {

void Plot(Surface& s, int x, int y, uint16_t pixel) {
  if (x >= 0 && y >= 0 && x < s.Width && y < s.Height) s.At(x, y) = pixel;
}

// A line with both end points drawn.
void Line(Surface& s, int x0, int y0, int x1, int y1, uint16_t pixel) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Plot(s, x0, y0, pixel);
    if (x0 == x1 && y0 == y1) break;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

// A label: through the screen's kit when it has one (so it is measured
// against the screen's frame), else straight onto the surface.
void Text(Surface& s, IGlyphSource* glyphs, TUi* ui, int x, int y, const std::string& sjis,
          TRgb colour) {
  if (ui != nullptr)
    ui->TextSjis(x, y, sjis, colour);
  else if (glyphs != nullptr)
    DrawTextRow(s, glyphs, x, y, sjis, colour);
}

}  // namespace

int GraphX(const TGraphLayout& l, size_t index, size_t count) {
  int width = l.Plot.Right - l.Plot.Left - 1;
  if (count <= 1) return l.Plot.Left + width / 2;
  return l.Plot.Left + static_cast<int>(index * width / (count - 1));
}

int GraphKpsY(const TGraphLayout& l, double kps) {
  int height = l.Plot.Bottom - l.Plot.Top - 1;
  double share = std::clamp(kps / l.KpsMax, 0.0, 1.0);
  return l.Plot.Bottom - 1 - static_cast<int>(std::lround(share * height));
}

int GraphAccuracyY(const TGraphLayout& l, double accuracy) {
  int height = l.Plot.Bottom - l.Plot.Top - 1;
  double share =
      std::clamp((accuracy - kGraphAccuracyFloor) / (1.0 - kGraphAccuracyFloor), 0.0, 1.0);
  return l.Plot.Bottom - 1 - static_cast<int>(std::lround(share * height));
}

TGraphLayout DrawProgressGraph(Surface& s, IGlyphSource* glyphs, TRect area,
                               const std::vector<TGraphPoint>& points, TUi* ui) {
  TGraphLayout l;
  // Room for the scales: keys per second on the left, accuracy on the right,
  // the legend above and the part numbers below.
  l.Plot = MakeRect(area.Left + 26, area.Top + 16, area.Right - 34, area.Bottom - 14);
  double top = 0;
  for (const TGraphPoint& p : points) top = std::max(top, p.Kps);
  l.KpsMax = std::max(2, static_cast<int>(std::ceil(top)));
  if (l.KpsMax % 2) l.KpsMax += 1;

  const uint16_t axis = RgbTo565(kGraphAxis), grid = RgbTo565(kGraphGrid);
  for (int q = 1; q <= 3; ++q) {
    int y = l.Plot.Bottom - 1 - q * (l.Plot.Bottom - l.Plot.Top - 1) / 4;
    for (int x = l.Plot.Left + 1; x < l.Plot.Right - 1; x += 3) Plot(s, x, y, grid);
  }
  Line(s, l.Plot.Left, l.Plot.Top, l.Plot.Left, l.Plot.Bottom - 1, axis);
  Line(s, l.Plot.Right - 1, l.Plot.Top, l.Plot.Right - 1, l.Plot.Bottom - 1, axis);
  Line(s, l.Plot.Left, l.Plot.Bottom - 1, l.Plot.Right - 1, l.Plot.Bottom - 1, axis);
  for (int q = 0; q <= 4; ++q) {
    int y = l.Plot.Bottom - 1 - q * (l.Plot.Bottom - l.Plot.Top - 1) / 4;
    Line(s, l.Plot.Left - 3, y, l.Plot.Left, y, axis);
    Line(s, l.Plot.Right - 1, y, l.Plot.Right + 2, y, axis);
  }

  // Scale labels (a half-width character is 6 pixels wide, 12 high).
  TRgb label = kGraphAxis;
  std::string kpsTop = std::to_string(l.KpsMax), kpsMid = std::to_string(l.KpsMax / 2);
  Text(s, glyphs, ui, l.Plot.Left - 5 - 6 * static_cast<int>(kpsTop.size()), l.Plot.Top - 6, kpsTop,
       kGraphKps);
  Text(s, glyphs, ui, l.Plot.Left - 5 - 6 * static_cast<int>(kpsMid.size()),
       (l.Plot.Top + l.Plot.Bottom) / 2 - 6, kpsMid, kGraphKps);
  Text(s, glyphs, ui, l.Plot.Left - 11, l.Plot.Bottom - 7, "0", kGraphKps);
  Text(s, glyphs, ui, l.Plot.Right + 4, l.Plot.Top - 6, "100%", kGraphAccuracy);
  Text(s, glyphs, ui, l.Plot.Right + 4, (l.Plot.Top + l.Plot.Bottom) / 2 - 6, "75%",
       kGraphAccuracy);
  Text(s, glyphs, ui, l.Plot.Right + 4, l.Plot.Bottom - 7, "50%", kGraphAccuracy);
  size_t n = points.size();
  if (n > 0) {
    Text(s, glyphs, ui, l.Plot.Left - 2, l.Plot.Bottom + 1, "1", label);
    std::string last = std::to_string(n);
    Text(s, glyphs, ui, l.Plot.Right - 6 * static_cast<int>(last.size()) + 1, l.Plot.Bottom + 1,
         last, label);
  }

  const uint16_t kpsPixel = RgbTo565(kGraphKps), accPixel = RgbTo565(kGraphAccuracy);
  for (size_t i = 0; i < n; ++i) {
    int x = GraphX(l, i, n);
    int ya = GraphAccuracyY(l, points[i].Accuracy), yk = GraphKpsY(l, points[i].Kps);
    if (i > 0) {
      int px = GraphX(l, i - 1, n);
      if (points[i - 1].Accuracy >= 0 && points[i].Accuracy >= 0)
        Line(s, px, GraphAccuracyY(l, points[i - 1].Accuracy), x, ya, accPixel);
      Line(s, px, GraphKpsY(l, points[i - 1].Kps), x, yk, kpsPixel);
    }
  }
  // Points last, keys per second on top: a 3 x 3 dot for each part.
  for (size_t i = 0; i < n; ++i) {
    int x = GraphX(l, i, n);
    int ya = GraphAccuracyY(l, points[i].Accuracy), yk = GraphKpsY(l, points[i].Kps);
    if (points[i].Accuracy >= 0) FillArea(s, MakeRect(x - 1, ya - 1, x + 2, ya + 2), accPixel);
    FillArea(s, MakeRect(x - 1, yk - 1, x + 2, yk + 2), kpsPixel);
  }
  return l;
}

std::vector<TKeyCell> KeyboardLayout(int x, int y) {
  const char* rows[3] = {"qwertyuiop-", "asdfghjkl", "zxcvbnm"};
  const int shift[3] = {0, 7, 17};
  std::vector<TKeyCell> keys;
  for (int r = 0; r < 3; ++r)
    for (int i = 0; rows[r][i] != '\0'; ++i) {
      TKeyCell k;
      k.Letter = RecordLetterIndex(rows[r][i]);
      int left = x + shift[r] + i * kKeyPitch, top = y + r * kKeyPitch;
      // "-" sits on the number row, right of 0 (half a key left of P's column
      // and one to the right), on JIS and US boards alike.
      if (rows[r][i] == '-') left -= kKeyPitch / 2, top -= kKeyPitch;
      k.Rect = MakeRect(left, top, left + kKeySize, top + kKeySize);
      keys.push_back(k);
    }
  return keys;
}

TRgb HeatColour(uint32_t hits, uint32_t missed) {
  uint64_t seen = uint64_t{hits} + missed;
  if (seen == 0) return TRgb{72, 72, 84};
  double t = std::min(1.0, static_cast<double>(missed) / static_cast<double>(seen) / 0.2);
  // green (40,150,70) -> yellow (230,200,40) -> red (220,40,40)
  auto mix = [](double a, double b, double f) { return static_cast<uint8_t>(a + (b - a) * f); };
  if (t < 0.5) {
    double f = t / 0.5;
    return TRgb{mix(40, 230, f), mix(150, 200, f), mix(70, 40, f)};
  }
  double f = (t - 0.5) / 0.5;
  return TRgb{mix(230, 220, f), mix(200, 40, f), 40};
}

void DrawKeyboardHeatMap(Surface& s, IGlyphSource* glyphs, int x, int y, const TLetterCounts& hits,
                         const TLetterCounts& missed, TUi* ui) {
  const uint16_t edge = RgbTo565(20, 20, 28);
  for (const TKeyCell& k : KeyboardLayout(x, y)) {
    const TRect& r = k.Rect;
    FillArea(s, r, edge);
    FillArea(s, MakeRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1),
             RgbTo565(HeatColour(hits[k.Letter], missed[k.Letter])));
    char name[2] = {static_cast<char>(RecordLetterChar(k.Letter)), '\0'};
    if (name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
    Text(s, glyphs, ui, r.Left + 7, r.Top + 4, name, TRgb{0, 0, 0});
  }
}
