// Interface pictures: window frames, backdrop, sparks, marks, cursors, the
// rate gauge and the small pieces of the menus and the field.
#include <cmath>
#include <string>

#include "gen_pictures/art.h"

namespace {

// Six 5x5 frame pieces: 0 horizontal edge, 1 vertical edge, 2..5 corners
// top-left, top-right, bottom-right, bottom-left. The band is three pixels
// wide in the middle of the cell (dark, light, dark) so that top and bottom
// (left and right) use the same piece.
TRaster Frame(const TPictureSpec& s, TRgba dark, TRgba mid, TRgba light) {
  return Cells(s, [&](TRaster& c, int n) {
    auto band = [&](float d) {  // colour by distance from the band's centre line
      return d < 0.5f ? light : mid;
    };
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) {
        float d = -1;
        if (n == 0 && y >= 1 && y <= 3) d = std::abs(y - 2.0f);
        if (n == 1 && x >= 1 && x <= 3) d = std::abs(x - 2.0f);
        if (n >= 2) {
          // Rounded corner: a quarter ring of radius 2 around the cell's inner corner.
          float cx = (n == 2 || n == 5) ? 4.5f : 0.5f, cy = (n == 2 || n == 3) ? 4.5f : 0.5f;
          float r = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
          if (r >= 1.2f && r <= 3.9f) d = std::abs(r - 2.5f);
        }
        if (d < 0) continue;
        c.At(x, y) = d > 0.9f ? dark : band(d);
      }
  });
}

TRaster Backdrop(const TPictureSpec& s) {
  return Cells(s, [](TRaster& c, int n) {
    // Three gentle seamless tiles: night sky with stars, checked dusk, deep sea.
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) {
        float wave = std::sin((x + y) * 3.14159f / 20) * 0.5f + 0.5f;
        TRgba base = n == 0   ? Mix(Rgb(20, 22, 48), Rgb(28, 30, 62), wave)
                     : n == 1 ? (((x / 20) + (y / 20)) % 2 ? Rgb(36, 24, 52) : Rgb(44, 30, 62))
                              : Mix(Rgb(10, 30, 50), Rgb(16, 44, 66), wave);
        c.At(x, y) = base;
      }
    if (n == 0) {
      const int stars[][2] = {{5, 7}, {27, 3}, {17, 19}, {34, 25}, {9, 31}, {22, 36}};
      for (auto& st : stars) {
        c.At(st[0], st[1]) = Rgb(170, 180, 230);
      }
      c.At(27, 3) = Rgb(230, 230, 255);
      c.At(17, 19) = Rgb(210, 210, 250);
    }
    if (n == 1)
      for (int k = 0; k < 40; ++k) {
        c.At(k, 0) = Mix(c.At(k, 0), Rgb(70, 50, 90), 0.5f);
        c.At(0, k) = Mix(c.At(0, k), Rgb(70, 50, 90), 0.5f);
      }
  });
}

TRaster Sparks(const TPictureSpec& s, bool blue) {
  // Sequence shown is 1, 2, 3, 0: bright to fading.
  const TRgba warm[5] = {Rgb(200, 60, 40), Rgb(255, 255, 220), Rgb(255, 230, 80), Rgb(255, 150, 40),
                         Rgb(255, 255, 255)};
  const TRgba cool[5] = {Rgb(40, 70, 200), Rgb(230, 250, 255), Rgb(120, 220, 255),
                         Rgb(70, 140, 255), Rgb(255, 255, 255)};
  return Cells(s, [&](TRaster& c, int n) {
    TRgba k = blue ? cool[n] : warm[n];
    c.Fill(k);
    c.At(1, 1) = Shade(k, 0.8f);
  });
}

}  // namespace

bool DrawUiItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  const std::string n = s.Name;
  if (n == "huti") {
    out = Frame(s, Rgb(20, 60, 30), Rgb(70, 170, 90), Rgb(170, 240, 170));
  } else if (n == "blue_window") {
    out = Frame(s, Rgb(20, 30, 90), Rgb(60, 110, 230), Rgb(170, 210, 255));
  } else if (n == "haikei") {
    out = Backdrop(s);
  } else if (n == "tips") {
    out = Sparks(s, false);
  } else if (n == "tips2") {
    out = Sparks(s, true);
  } else if (n == "red_point") {
    out = TRaster(1, 1);
    out.Fill(Rgb(220, 20, 30));
  } else if (n == "green_bar") {
    out = TRaster(1, 2);
    out.At(0, 0) = Rgb(120, 240, 160);
    out.At(0, 1) = Rgb(50, 180, 100);
  } else if (n == "Score_Rate") {
    // The rate gauge: a gold frame with a dark trough that the green bar fills.
    out = TRaster(73, 9);
    FillRect(out, 0, 0, 73, 9, VGradient(0, 9, Rgb(240, 214, 150), Rgb(170, 130, 70)));
    FillRect(out, 0, 0, 73, 1, Rgb(250, 232, 180));
    FillRect(out, 0, 8, 73, 9, Rgb(120, 90, 50));
    FillRect(out, 3, 3, 71, 7, Rgb(30, 24, 20));
    FillRect(out, 3, 3, 71, 4, Rgb(14, 10, 8));
  } else if (n == "batu") {
    out = TRaster(46, 46);
    Line(out, 8, 8, 38, 38, 11, Rgb(90, 0, 10));
    Line(out, 38, 8, 8, 38, 11, Rgb(90, 0, 10));
    Line(out, 8, 8, 38, 38, 8, Rgb(230, 30, 40));
    Line(out, 38, 8, 8, 38, 8, Rgb(230, 30, 40));
    Line(out, 9, 7, 37, 35, 2, Rgb(255, 140, 140));
    Line(out, 37, 7, 9, 35, 2, Rgb(255, 140, 140));
  } else if (n == "hand") {
    out = TRaster(16, 13);
    StampEmoji(art, out, U'\U0001F449', 0, -1, 16, 15);
    Harden(out);
    Outline(out, InkDark(), false);
  } else if (n == "sen_black") {
    out = TRaster(200, 200);
    FillRoundRect(out, 0, 0, 200, 200, 12, Rgb(6, 6, 14));
    FillRoundRect(out, 0, 0, 200, 200, 12, [](float x, float y) {
      float edge = std::min({x, y, 200 - x, 200 - y});
      return edge < 3 ? Rgb(60, 70, 110) : Rgb(6, 6, 14, 0);
    });
  } else if (n == "orange_cursor") {
    out = TRaster(32, 17);
    FillRoundRect(out, 0, 0, 32, 17, 5, VGradient(0, 17, Rgb(255, 210, 90), Rgb(230, 100, 20)));
    for (int y = 3; y < 14; ++y)
      for (int x = 3; x < 29; ++x)
        if (!((x == 3 || x == 28) && (y == 3 || y == 13))) out.At(x, y) = {};
  } else if (n == "abunai") {
    out = TRaster(24, 24);
    std::vector<TPt> tri = {{12, 1}, {23, 21.5f}, {1, 21.5f}};
    FillPolygon(out, tri, Rgb(60, 10, 10));
    std::vector<TPt> inner = {{12, 4}, {20.5f, 20}, {3.5f, 20}};
    FillPolygon(out, inner, VGradient(4, 20, Rgb(255, 240, 90), Rgb(255, 170, 20)));
    FillRoundRect(out, 10.5f, 8, 13.5f, 15, 1.2f, Rgb(200, 20, 20));
    FillEllipse(out, 12, 17.3f, 1.6f, 1.6f, Rgb(200, 20, 20));
  } else {
    return false;
  }
  return true;
}
