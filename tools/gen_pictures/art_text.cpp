// Text pictures: the title, menus, banners, labels and every digit set.
#include <cmath>
#include <string>

#include "gen_pictures/art.h"

namespace {

TTextStyle Style(TRgba top, TRgba bottom, int edge = 1, TRgba edgeColour = InkDark()) {
  TTextStyle st;
  st.Top = top, st.Bottom = bottom, st.EdgeWidth = edge, st.Edge = edgeColour;
  return st;
}

TTextStyle Gold(int edge = 1) {
  return Style(Rgb(255, 246, 170), Rgb(240, 150, 30), edge);
}
TTextStyle Sky(int edge = 1) {
  return Style(Rgb(220, 250, 255), Rgb(80, 170, 255), edge);
}

// Digits drawn from the hand-made pixel face into cells of width cw: ink
// colour from top to bottom, with a one-pixel dark rim when rim is set.
TRaster PixelDigits(const TPictureSpec& s, int rows, TRgba top, TRgba bottom, bool rim) {
  return Cells(s, [&](TRaster& c, int d) {
    int ox = (c.W - 6) / 2, oy = (c.H - rows) / 2;
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < 6; ++x)
        if (DigitPixel(d, rows, x, y))
          c.At(ox + x, oy + y) = Mix(top, bottom, rows > 1 ? float(y) / (rows - 1) : 0);
    if (rim) Outline(c, InkDark(), false);
  });
}

// Large digits from the bold Latin face, one per cell.
TRaster FontDigits(TArt& art, const TPictureSpec& s, int maxPx, const TTextStyle& st) {
  return Cells(s, [&](TRaster& c, int d) {
    TextInBox(art, c, std::string(1, char('0' + d)), TFace::Latin, maxPx, 0, 0, float(c.W),
              float(c.H), st);
  });
}

TRaster Title(TArt& art, const TPictureSpec& s) {
  TRaster r(s.Width, s.Height);
  TTextStyle st = Style(Rgb(255, 250, 200), Rgb(255, 120, 60), 3, Rgb(40, 16, 60));
  st.Shadow = Rgb(20, 6, 30);
  st.ShadowOffset = 2;
  st.Embolden = 1.5f;
  float box[4];
  TextInBox(art, r, "ミルテナ", TFace::Japanese, 52, 30, 0, float(s.Width - 30), float(s.Height),
            st, box);
  // Twinkles on either side of the name.
  auto star = [&](float cx, float cy, float rad, TRgba c) {
    std::vector<TPt> pts;
    for (int k = 0; k < 8; ++k) {
      float a = k * 3.14159265f / 4, rr = k % 2 ? rad * 0.35f : rad;
      pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    FillPolygon(r, pts, c);
  };
  star(box[0] - 16, 16, 9, Rgb(255, 240, 120));
  star(box[0] - 8, 40, 5, Rgb(150, 230, 255));
  star(box[2] + 16, 42, 9, Rgb(255, 240, 120));
  star(box[2] + 10, 14, 5, Rgb(150, 230, 255));
  return r;
}

TRaster Menu(TArt& art, const TPictureSpec& s) {
  TRaster r(s.Width, s.Height);
  TextInBox(art, r, "MENU", TFace::Latin, 14, 0, 10, 200, 30, Sky());
  FillRect(r, 40, 34, 160, 35, Rgb(90, 110, 170));
  // Five entries 22 px apart; the hand points at y 61 + 22 (n - 1)
  // (relative), so entry n is centred on its middle.
  const char* entries[5] = {"スタート", "ランキング", "記録", "練習", "設定"};
  TTextStyle st = Gold(1);
  st.Embolden = 0.8f;
  for (int n = 0; n < 5; ++n) {
    float top = 57.0f + 22.0f * n;
    TextInBox(art, r, entries[n], TFace::Japanese, 18, 44, top, 180, top + 20, st);
  }
  FillRect(r, 40, 170, 160, 171, Rgb(90, 110, 170));
  TextInBox(art, r, "SPACE / ENTER: けってい", TFace::Japanese, 12, 0, 176, 200, 192,
            Style(Rgb(200, 210, 230), Rgb(160, 170, 200), 1));
  return r;
}

TRaster StageGrid(TArt& art, const TPictureSpec& s) {
  TRaster r(s.Width, s.Height);
  TextInBox(art, r, "STAGE SELECT", TFace::Latin, 14, 0, 10, 200, 30, Sky());
  // Slots: the stage numbers are drawn at (35 + 30c, 45 + 40r), 15 x 9.
  for (int row = 0; row < 2; ++row)
    for (int c = 0; c < 5; ++c) {
      float x0 = 29 + 30.0f * c, y0 = 41 + 40.0f * row;
      FillRoundRect(r, x0, y0, x0 + 27, y0 + 17, 4, Rgb(80, 100, 160));
      FillRoundRect(r, x0 + 1, y0 + 1, x0 + 26, y0 + 16, 3, Rgb(22, 26, 48));
    }
  FillRect(r, 12, 112, 188, 113, Rgb(90, 110, 170));
  TextInBox(art, r, "Esc: もどる", TFace::Japanese, 12, 0, 184, 200, 199,
            Style(Rgb(200, 210, 230), Rgb(160, 170, 200), 1));
  return r;
}

TRaster Ranks(TArt& art, const TPictureSpec& s) {
  const char* labels[5] = {"1st", "2nd", "3rd", "4th", "5th"};
  const TRgba tops[5] = {Rgb(255, 245, 160), Rgb(240, 244, 255), Rgb(255, 210, 170),
                         Rgb(200, 230, 255), Rgb(200, 230, 255)};
  const TRgba bottoms[5] = {Rgb(230, 160, 20), Rgb(150, 160, 190), Rgb(200, 110, 50),
                            Rgb(90, 150, 220), Rgb(90, 150, 220)};
  return Cells(s, [&](TRaster& c, int n) {
    TTextStyle st = Style(tops[n], bottoms[n], 1);
    st.Embolden = 0.5f;
    TextInBox(art, c, labels[n], TFace::Latin, 16, 0, 0, float(c.W), float(c.H), st);
  });
}

TRaster Continue(TArt& art, const TPictureSpec& s) {
  TRaster r(s.Width, s.Height);
  // Opaque but for the rounded corners: the screen is not cleared on the
  // continue screen, so the picture itself wipes the swaying hand's last place.
  FillRoundRect(r, 0.5f, 0.5f, float(s.Width) - 0.5f, float(s.Height) - 0.5f, 6, Rgb(70, 8, 12));
  FillRoundRect(r, 1.5f, 1.5f, float(s.Width) - 1.5f, float(s.Height) - 1.5f, 5, Rgb(14, 2, 4));
  // The hand points at rows +5 and +41 from x +8..+30, so the words start at 34.
  TTextStyle st = Gold(1);
  st.Embolden = 0.8f;
  TextInBox(art, r, "つづける", TFace::Japanese, 16, 34, 2, 131, 21, st);
  TextInBox(art, r, "やめる", TFace::Japanese, 16, 34, 38, 131, 57, Sky());
  return r;
}

}  // namespace

bool DrawTextItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  const std::string n = s.Name;
  const float w = float(s.Width), h = float(s.Height);
  auto text = [&](const char* t, TFace face, int px, const TTextStyle& st) {
    out = TRaster(s.Width, s.Height);
    TextInBox(art, out, t, face, px, 0, 0, w, h, st);
  };
  if (n == "title") {
    out = Title(art, s);
  } else if (n == "sentaku1") {
    out = Menu(art, s);
  } else if (n == "sentaku2") {
    out = StageGrid(art, s);
  } else if (n == "12345th") {
    out = Ranks(art, s);
  } else if (n == "continue") {
    out = Continue(art, s);
  } else if (n == "hiscore") {
    TTextStyle st = Gold(3);
    st.Shadow = Rgb(30, 10, 0), st.ShadowOffset = 2, st.Embolden = 1.2f;
    text("HIGH SCORE", TFace::Latin, 44, st);
  } else if (n == "rank") {
    text("ランキング", TFace::Japanese, 16, Sky());
  } else if (n == "setume") {
    text("Esc: もどる", TFace::Japanese, 12, Style(Rgb(220, 230, 245), Rgb(170, 180, 210), 1));
  } else if (n == "push_space") {
    out = TRaster(s.Width, s.Height);
    out.Fill(Rgb(0, 0, 0));
    TextInBox(art, out, "PUSH SPACE", TFace::Latin, 16, 0, 0, w, h,
              Style(Rgb(255, 255, 255), Rgb(150, 200, 255), 0));
  } else if (n == "stageclear") {
    out = TRaster(s.Width, s.Height);
    TTextStyle st = Gold(2);
    st.Embolden = 1, st.Shadow = Rgb(60, 20, 0), st.ShadowOffset = 2;
    TextInBox(art, out, "STAGE", TFace::Latin, 30, 0, 0, w, 37, st);
    TextInBox(art, out, "CLEAR!", TFace::Latin, 30, 0, 36, w, h, st);
  } else if (n == "ending") {
    text("ENDING", TFace::Latin, 20, Style(Rgb(255, 230, 250), Rgb(240, 120, 200), 2));
  } else if (n == "stage") {
    text("PART", TFace::Latin, 14, Gold(1));
  } else if (n == "miss") {
    TTextStyle st = Style(Rgb(255, 200, 200), Rgb(230, 20, 40), 2, Rgb(50, 0, 10));
    st.Embolden = 1;
    text("MISS!", TFace::Latin, 24, st);
  } else if (n == "GameOver" || n == "GameOver2") {
    bool glow = n == "GameOver";
    TTextStyle st = glow ? Style(Rgb(255, 255, 255), Rgb(255, 150, 150), 2, Rgb(120, 10, 20))
                         : Style(Rgb(255, 90, 90), Rgb(130, 0, 10), 2, Rgb(40, 0, 6));
    st.Embolden = 1;
    text("GAME OVER", TFace::Latin, 36, st);
  } else if (n == "warning") {
    out = TRaster(s.Width, s.Height);
    FillRoundRect(out, 0, 0, w, h, 3, [](float x, float y) {
      return int(std::floor((x + y) / 5)) % 2 ? Rgb(250, 200, 30) : Rgb(30, 24, 16);
    });
    FillRect(out, 15, 2, w - 15, h - 2, Rgb(24, 16, 10));
    TextInBox(art, out, "WARNING", TFace::Latin, 11, 15, 2, w - 15, h - 2,
              Style(Rgb(255, 240, 120), Rgb(255, 150, 30), 0));
  } else if (n == "score") {
    text("SCORE", TFace::Latin, 11, Gold(1));
  } else if (n == "pt.") {
    text("pt.", TFace::Latin, 15, Gold(1));
  } else if (n == "Great") {
    const TRgba tops[4] = {Rgb(255, 250, 180), Rgb(200, 255, 200), Rgb(200, 230, 255),
                           Rgb(255, 210, 240)};
    const TRgba bottoms[4] = {Rgb(250, 140, 20), Rgb(40, 180, 80), Rgb(50, 110, 240),
                              Rgb(220, 60, 160)};
    out = Cells(s, [&](TRaster& c, int k) {
      TextInBox(art, c, "GREAT!", TFace::Latin, 22, 0, 0, float(c.W), float(c.H),
                Style(tops[k], bottoms[k], 2));
    });
  } else if (n == "combs") {
    out = Cells(s, [&](TRaster& c, int k) {
      TextInBox(art, c, k ? "COMBO!!" : "COMBO!", TFace::Latin, 30, 0, 0, float(c.W), float(c.H),
                k ? Gold(2) : Sky(2));
    });
  } else if (n == "0123456789") {
    out = FontDigits(art, s, 16, Gold(1));
  } else if (n == "orange_0123456789") {
    TTextStyle st = Style(Rgb(255, 230, 150), Rgb(240, 100, 20), 2);
    st.Embolden = 1;
    out = FontDigits(art, s, 40, st);
  } else if (n == "num_0123456789") {
    out = PixelDigits(s, 9, Rgb(240, 244, 255), Rgb(170, 180, 210), false);
  } else if (n == "num_0123456789_yellow") {
    out = PixelDigits(s, 9, Rgb(255, 250, 150), Rgb(250, 180, 30), false);
  } else if (n == "num2_0123456789") {
    out = PixelDigits(s, 8, Rgb(190, 255, 210), Rgb(60, 200, 110), false);
  } else if (n == "white_0123456789") {
    out = TRaster(s.Width, s.Height);
    for (int d = 0; d < 10; ++d)
      for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 6; ++x)
          if (DigitPixel(d, 9, x, y)) out.At(d * 8 + 1 + x, y) = Rgb(255, 255, 255);
  } else {
    return false;
  }
  return true;
}
