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

// A house fly in side view: 0..1 facing left, 2..3 facing right, wings up/down.
TRaster Fly(const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n >= 2;
    int flap = n % 2;
    TRaster f(24, 24);
    TRgba body = Rgb(70, 110, 120), sheen = Rgb(150, 220, 200), ink = InkDark();
    // Legs hanging below.
    for (int i = 0; i < 3; ++i)
      Line(f, 9 + i * 3.5f, 15, 7 + i * 4.0f + flap, 20, 1, Rgb(40, 40, 50));
    // Abdomen, thorax and head (facing left).
    FillEllipse(f, 15, 13, 6.5f, 4.5f, Shaded(body, 15, 13, 6, 13, 11));
    for (int i = 0; i < 3; ++i) FillRect(f, 13 + i * 2.5f, 10, 14 + i * 2.5f, 17, Rgb(40, 60, 70));
    FillEllipse(f, 8.5f, 12.5f, 3.5f, 3.5f, body);
    FillEllipse(f, 5, 12, 3.5f, 3.8f, Rgb(200, 30, 40));
    FillEllipse(f, 4.2f, 11, 1.2f, 1.2f, Rgb(255, 200, 200));
    // Wings: a raised pair or a lowered pair, pale and bright.
    TRgba wing = Rgb(215, 240, 255);
    if (flap) {
      FillEllipse(f, 12, 5, 3.5f, 5.5f, wing);
      FillEllipse(f, 15.5f, 5.5f, 3, 5, Rgb(190, 225, 250));
    } else {
      FillEllipse(f, 16, 8, 6.5f, 2.8f, wing);
      FillEllipse(f, 18, 10, 5.5f, 2.4f, Rgb(190, 225, 250));
    }
    FillEllipse(f, 17, 12, 2, 1.2f, sheen);
    Harden(f);
    Outline(f, ink, true);
    Paste(c, right ? Mirrored(f) : f, 0, 0);
  });
}

TRaster Feather(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    // The emoji lies from lower left to upper right; turn it level and rock it.
    float angle = -45 + std::sin(n * kPi / 2) * 14;
    StampEmoji(art, c, U'\U0001FAB6', 3, -6, 36, 36, angle);
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
    TRaster rocket(24, 36);
    StampEmoji(art, rocket, U'\U0001F680', 0, 8, 24, 26, 135);
    // The emoji's exhaust puffs end up beside the body: keep the body's column only.
    for (int y = 0; y < 36; ++y)
      for (int x = 0; x < 24; ++x)
        if (x > 17 && y > 26) rocket.At(x, y).A = 0;
    Paste(c, rocket, 0, 0);
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

// A cat's head on a bird's body: 2k faces left, 2k + 1 faces right, k the wing beat.
TRaster CatBird(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    bool right = n % 2 == 1;
    int k = n / 2;
    const float lift[4] = {-7, -2, 4, -2};  // wing tip height over the shoulder
    float tipY = 10 + lift[k];
    TRaster bird(38, 23);
    TRgba plume = Rgb(255, 200, 120), wing = Rgb(250, 250, 255), wingShade = Rgb(170, 200, 240);
    FillEllipse(bird, 23, 15, 10, 5.5f, plume);
    std::vector<TPt> tail = {{30, 13}, {37, 9}, {36, 13}, {37, 18}, {30, 16}};
    FillPolygon(bird, tail, Rgb(240, 140, 60));
    // The wing: a fan from the shoulder with scalloped feather tips.
    std::vector<TPt> w = {{18, 12},
                          {28, 12},
                          {33, std::max(0.5f, tipY)},
                          {27, std::max(0.5f, tipY - 2)},
                          {21, std::max(0.5f, tipY + 1)}};
    FillPolygon(bird, w, VGradient(tipY, 13, wing, wingShade));
    for (int i = 0; i < 3; ++i)
      Line(bird, 20 + i * 3.0f, 12, 22 + i * 4.5f, std::max(1.0f, tipY + 1.5f), 0.8f,
           Rgb(150, 170, 210));
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
    out = Fly(s);
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
