// Ordinary enemies: colour-emoji heads and creatures with drawn bodies, each
// frame made by offsets, squash, rotation and colour shifts.
#include <cmath>
#include <string>

#include "gen_pictures/art.h"

namespace {

constexpr float kPi = 3.14159265f;

// Finishes a creature cell: hard edges and a dark rim so it reads on the
// dark field and keeps its shape when stretched.
void Finish(TRaster& c) {
  Harden(c);
  Outline(c, InkDark(), true);
}

// Legs of a walker from hip (hx, hy) of length len; phase 0..3 walking, -1 standing.
void Legs(TRaster& c, float hx, float hy, float len, int phase, TRgba pants, TRgba boots) {
  float swing = phase < 0 ? 0 : std::sin(phase * kPi / 2) * len * 0.45f;
  float lift = phase < 0 ? 0 : std::abs(std::cos(phase * kPi / 2)) * 1.5f;
  Line(c, hx - 2.5f, hy, hx - 2.5f + swing, hy + len - lift, 3.2f, pants);
  Line(c, hx + 2.5f, hy, hx + 2.5f - swing, hy + len - (1.5f - lift), 3.2f, pants);
  FillRoundRect(c, hx - 5 + swing, hy + len - lift - 1.5f, hx + 0.5f + swing, hy + len - lift + 1,
                1, boots);
  FillRoundRect(c, hx - 0.5f - swing, hy + len - (1.5f - lift) - 1.5f, hx + 5 - swing,
                hy + len - (1.5f - lift) + 1, 1, boots);
}

TRaster FootSoldier(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    int phase = n < 4 ? n : -1;
    float bob = n < 4 ? (n % 2 ? 1 : 0) : (n == 5 ? 1 : 0);
    Legs(c, 13, 28 + bob * 0.5f, 10, phase, Rgb(40, 50, 110), Rgb(30, 24, 20));
    FillRoundRect(c, 6, 17 + bob, 20, 30 + bob, 3, Rgb(200, 30, 40));  // tunic
    FillRect(c, 6, 26 + bob, 20, 28 + bob, Rgb(250, 220, 90));         // belt
    // Arms swing against the legs.
    float arm = phase < 0 ? 0 : std::sin(phase * kPi / 2) * 3;
    Line(c, 6, 19 + bob, 4 - arm, 27 + bob, 3, Rgb(200, 30, 40));
    Line(c, 20, 19 + bob, 22 + arm, 27 + bob, 3, Rgb(200, 30, 40));
    if (n == 6) Line(c, 20, 19, 23, 12, 3, Rgb(200, 30, 40));  // saluting
    StampEmoji(art, c, U'\U0001F482', 1, -1 + bob, 24, 22);
    Finish(c);
  });
}

TRaster Gunman(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n >= 7;
    int k = n % 7, phase = k < 4 ? k : -1;
    Legs(c, 11, 19, 7, phase, Rgb(60, 80, 150), Rgb(90, 50, 20));
    FillRoundRect(c, 6, 12, 16, 21, 2, Rgb(170, 100, 50));  // leather vest
    FillRect(c, 10.5f, 12, 11.5f, 20, Rgb(250, 230, 190));
    // The pistol arm points the way it walks.
    float dir = right ? 1 : -1;
    Line(c, 11 + dir * 4, 15, 11 + dir * 9, 15 + (k >= 4 ? -2 : 0), 2.4f, Rgb(170, 100, 50));
    FillRect(c, right ? 19 : 0, 13 + (k >= 4 ? -2 : 0), right ? 22 : 3, 15 + (k >= 4 ? -2 : 0),
             Rgb(90, 90, 100));
    StampEmoji(art, c, U'\U0001F920', 3, -1 + (phase % 2 == 1 ? 1 : 0), 16, 15, 0, right);
    Finish(c);
  });
}

TRaster Fly(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n >= 2;
    int flap = n % 2;
    // Wings: pale ovals, up or down.
    float wy = flap ? 5 : 9;
    FillEllipse(c, 9, wy, 5, 3.5f, Rgb(200, 230, 255, 1));
    FillEllipse(c, 15, wy, 5, 3.5f, Rgb(180, 215, 250, 1));
    StampEmoji(art, c, U'\U0001FAB0', 2, 3 + flap, 20, 18, 0, right);
    Finish(c);
  });
}

TRaster Feather(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    float angle = 45 + std::sin(n * kPi / 2) * 12;  // the emoji lies diagonally
    StampEmoji(art, c, U'\U0001FAB6', 6, -6, 30, 36, angle - 90 + 45, false);
    Finish(c);
  });
}

TRaster Bun(const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    float sq = n ? 1.5f : 0;
    TRgba crust = Rgb(200, 120, 50);
    FillEllipse(c, 30, 36, 26 + sq, 24 - sq, Shaded(crust, 30, 36, 26, 22, 24));
    // Sesame seeds and a cheeky face.
    for (int i = 0; i < 7; ++i)
      FillEllipse(c, 18 + i * 4.2f, 18 + (i % 3) * 1.5f, 1.2f, 0.7f, Rgb(255, 245, 215));
    TRgba ink = InkDark();
    FillEllipse(c, 22, 36, 3, n ? 2.2f : 3.6f, ink);
    FillEllipse(c, 38, 36, 3, n ? 2.2f : 3.6f, ink);
    FillEllipse(c, 23, 35, 1, 1, Rgb(255, 255, 255));
    FillEllipse(c, 39, 35, 1, 1, Rgb(255, 255, 255));
    FillEllipse(c, 16, 43, 4, 2.5f, Rgb(240, 110, 100));
    FillEllipse(c, 44, 43, 4, 2.5f, Rgb(240, 110, 100));
    FillEllipse(c, 30, 46, n ? 4 : 3, n ? 3 : 1.5f, Rgb(120, 30, 30));
    Finish(c);
  });
}

TRaster Television(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool hit = n == 4;
    StampEmoji(art, c, U'\U0001F4FA', 1, 2, 56, 53, hit ? -8 : 0);
    // The screen: a face flickering through four frames, white when hit.
    float sx0 = 11, sy0 = 17, sx1 = 41, sy1 = 40;
    if (!hit) {
      FillRoundRect(c, sx0, sy0, sx1, sy1, 3, Rgb(40, 60, 90));
      for (int y = int(sy0); y < int(sy1); y += 2)
        FillRect(c, sx0, float(y), sx1, y + 1.0f, Rgb(60, 90, 130, 0.6f));
      float look = (n % 2 ? 2.0f : -2.0f);
      FillEllipse(c, 20 + look, 26, 2.5f, n == 3 ? 0.8f : 3, Rgb(140, 255, 180));
      FillEllipse(c, 32 + look, 26, 2.5f, n == 3 ? 0.8f : 3, Rgb(140, 255, 180));
      FillRect(c, 21, 34, 31, 35.5f, Rgb(140, 255, 180));
    } else {
      FillRoundRect(c, sx0, sy0, sx1, sy1, 3, Rgb(250, 250, 255));
      Line(c, 17, 22, 23, 28, 2, Rgb(60, 60, 80));
      Line(c, 23, 22, 17, 28, 2, Rgb(60, 60, 80));
      Line(c, 29, 22, 35, 28, 2, Rgb(60, 60, 80));
      Line(c, 35, 22, 29, 28, 2, Rgb(60, 60, 80));
    }
    Finish(c);
  });
}

TRaster Missile(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    // Exhaust flame at the top, flickering.
    float f = 5 + (n % 2) * 3 + (n == 2 ? 1 : 0);
    FillEllipse(c, 12, 7 - f * 0.3f, 4, f, Rgb(255, 140, 30));
    FillEllipse(c, 12, 8 - f * 0.2f, 2, f * 0.6f, Rgb(255, 240, 150));
    // The rocket points down (the emoji points up-right).
    StampEmoji(art, c, U'\U0001F680', 0, 8, 24, 26, 135);
    Finish(c);
  });
}

TRaster Turtle(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    // 0 hop; 1..2 sliding right; 3..4 sliding left (tucked in, spinning).
    bool right = n == 1 || n == 2;
    if (n == 0) {
      StampEmoji(art, c, U'\U0001F422', 4, 0, 22, 16);
    } else {
      float spin = (n % 2) ? -10 : 10;
      StampEmoji(art, c, U'\U0001F422', 5, 1, 20, 15, spin, right);
      // Speed lines behind it.
      float bx = right ? 1 : 26;
      Line(c, bx, 6, bx + 3, 6, 1, Rgb(220, 240, 255));
      Line(c, bx, 10, bx + 2, 10, 1, Rgb(220, 240, 255));
    }
    Finish(c);
  });
}

TRaster Ring(const TPictureSpec& s) {
  TRaster r(s.Width, s.Height);
  float c = 20.5f;
  FillRing(r, c, c, 20, 13, Rgb(30, 20, 40));
  FillRing(r, c, c, 19, 14, Shaded(Rgb(240, 180, 40), c, c, 19, 12, 10));
  // Studs show the spin.
  for (int i = 0; i < 6; ++i) {
    float a = i * kPi / 3;
    TRgba stud = i == 0 ? Rgb(240, 60, 60) : Rgb(120, 220, 255);
    FillEllipse(r, c + 16.5f * std::cos(a), c + 16.5f * std::sin(a), 2.4f, 2.4f, stud);
  }
  Harden(r);
  return r;
}

TRaster ConstructionSoldier(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    // 0..3 walking with the hammer on the shoulder; 4..6 working (6 is the blow).
    int phase = n < 4 ? n : -1;
    bool work = n >= 4;
    float bob = phase >= 0 && phase % 2 ? 1 : 0;
    Legs(c, 13, 34 + bob * 0.5f, 11, phase, Rgb(60, 70, 90), Rgb(60, 40, 20));
    FillRoundRect(c, 6, 20 + bob, 20, 36 + bob, 3, Rgb(250, 140, 20));  // vest
    FillRect(c, 6, 27 + bob, 20, 29 + bob, Rgb(240, 240, 120));
    float hx = 20, hy = 22 + bob;
    if (!work) {
      Line(c, hx, hy, 22, 12, 2, Rgb(140, 90, 40));  // handle over the shoulder
      FillRoundRect(c, 18, 9, 26, 14, 1, Rgb(150, 150, 170));
    } else {
      float a = n == 6 ? 70 : n == 5 ? -20 : 20;  // degrees below horizontal
      float ex = hx + 9 * std::cos(a * kPi / 180), ey = hy + 9 * std::sin(a * kPi / 180);
      Line(c, hx, hy, ex, ey, 2, Rgb(140, 90, 40));
      FillEllipse(c, ex, ey, 3, 3, Rgb(150, 150, 170));
      if (n == 6) FillEllipse(c, ex, ey + 5, 3, 1.5f, Rgb(255, 230, 120));
    }
    StampEmoji(art, c, U'\U0001F477', 1, 0 + bob, 24, 24);
    Finish(c);
  });
}

TRaster CatBird(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n % 2 == 1;
    int k = n / 2;
    float wing = std::sin(k * kPi / 2) * 6;
    TRaster bird(38, 23);
    // Body and tail feathers, wings flapping.
    FillEllipse(bird, 22, 14, 11, 6, Rgb(255, 220, 150));
    std::vector<TPt> tail = {{31, 12}, {38, 8}, {37, 16}};
    FillPolygon(bird, tail, Rgb(240, 150, 60));
    std::vector<TPt> w = {{18, 12}, {30, 12}, {27, 12 - 8 - wing}, {20, 12 - 6 - wing}};
    if (wing < 0) w = {{18, 13}, {30, 13}, {29, 14 - wing}, {21, 16 - wing}};
    FillPolygon(bird, w, Rgb(255, 255, 255));
    StampEmoji(art, bird, U'\U0001F431', 0, 2, 19, 19);
    Finish(bird);
    Paste(c, right ? Mirrored(bird) : bird, 0, 0);
  });
}

TRaster SmallSoldiers(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n >= 5;
    int phase = n % 5 < 4 ? n % 5 : -1;
    Legs(c, 12, 17, 6, phase, Rgb(40, 50, 110), Rgb(30, 24, 20));
    FillRoundRect(c, 7, 11, 17, 18, 2, Rgb(40, 140, 60));
    StampEmoji(art, c, U'\U0001F482', 4, -1, 16, 14, 0, right);
    Finish(c);
  });
}

TRaster Bullets(const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    FillEllipse(c, 6, 6, 5, 5, Rgb(255, 120, 40));
    FillEllipse(c, 6, 6, 3, 3, Rgb(255, 240, 160));
    float a = n * kPi / 4;
    Line(c, 6 - 4 * std::cos(a), 6 - 4 * std::sin(a), 6 + 4 * std::cos(a), 6 + 4 * std::sin(a), 1,
         Rgb(255, 255, 255));
    Harden(c);
  });
}

TRaster Leaves(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    StampEmoji(art, c, n ? U'\U0001F342' : U'\U0001F341', 1, 1, 14, 14);
    Finish(c);
  });
}

}  // namespace

bool DrawEnemyItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  const std::string n = s.Name;
  if (n == "enemy_1") {
    out = FootSoldier(art, s);
  } else if (n == "gunman") {
    out = Gunman(art, s);
  } else if (n == "hae") {
    out = Fly(art, s);
  } else if (n == "hane") {
    out = Feather(art, s);
  } else if (n == "anpan") {
    out = Bun(s);
  } else if (n == "tv") {
    out = Television(art, s);
  } else if (n == "missile") {
    out = Missile(art, s);
  } else if (n == "kame") {
    out = Turtle(art, s);
  } else if (n == "bou") {
    out = Ring(s);
  } else if (n == "bou_center") {
    out = TRaster(s.Width, s.Height);
    FillEllipse(out, 6.5f, 6.5f, 6, 6, Rgb(30, 20, 40));
    FillEllipse(out, 6.5f, 6.5f, 5, 5, Shaded(Rgb(120, 220, 255), 6.5f, 6.5f, 5, 5, 4));
    Harden(out);
  } else if (n == "enemy_2") {
    out = ConstructionSoldier(art, s);
  } else if (n == "neko") {
    out = CatBird(art, s);
  } else if (n == "soldier") {
    out = SmallSoldiers(art, s);
  } else if (n == "tama") {
    out = Bullets(s);
  } else if (n == "leaf") {
    out = Leaves(art, s);
  } else {
    return false;
  }
  return true;
}
