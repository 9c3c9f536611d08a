// Bosses and their companions: large emoji heads on drawn bodies, with the
// frames their behaviours ask for (falling, hovering, barrage, guard, dive...).
#include <cmath>
#include <string>

#include "gen_pictures/art.h"

namespace {

constexpr float kPi = 3.14159265f;

void Finish(TRaster& c, int rims = 1) {
  Harden(c);
  for (int i = 0; i < rims; ++i) Outline(c, InkDark(), i == 0);
}

void Cloud(TRaster& c, float cx, float cy, float w, int k) {
  TRgba white = Rgb(245, 248, 255), shade = Rgb(190, 205, 235);
  for (int i = 0; i < 5; ++i) {
    float x = cx - w / 2 + w * i / 4, r = w / 6 + (i % 2 ? 3 : 0) + (k ? (i % 2 ? -1 : 1) : 0);
    FillEllipse(c, x, cy + 3, r, r * 0.7f, shade);
    FillEllipse(c, x, cy, r, r * 0.7f, white);
  }
}

// Kind 5: a kung-fu panda. 0..1 falling, 2..3 hovering on a cloud, 4 dazed.
TRaster Panda(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    TRgba robe = Rgb(210, 30, 40), trim = Rgb(250, 200, 60), fur = Rgb(30, 30, 36);
    bool fall = n <= 1;
    float bob = n == 3 ? 3 : 0;
    if (!fall) Cloud(c, 54, 128 + bob * 0.3f, 96, n % 2);
    // Legs: tucked when hovering, kicking when falling.
    if (fall) {
      float k = n ? 6 : -6;
      Line(c, 42, 100, 34 + k, 128, 13, fur);
      Line(c, 66, 100, 74 + k, 126, 13, fur);
    } else {
      FillEllipse(c, 54, 112 + bob, 34, 11, fur);
    }
    // Robe body.
    FillRoundRect(c, 28, 56 + bob, 80, 110 + bob, 14, Shaded(robe, 54, 80, 30, 44, 66));
    FillRect(c, 51, 58 + bob, 57, 110 + bob, trim);
    FillRect(c, 28, 92 + bob, 80, 97 + bob, Rgb(40, 20, 20));
    // Arms: up and flailing when falling, folded when hovering.
    if (fall) {
      float a = n ? 8 : -8;
      Line(c, 32, 64, 10, 36 + a, 12, robe);
      Line(c, 76, 64, 98, 36 - a, 12, robe);
      FillEllipse(c, 9, 33 + a, 7, 7, fur);
      FillEllipse(c, 99, 33 - a, 7, 7, fur);
    } else {
      FillRoundRect(c, 26, 72 + bob, 82, 84 + bob, 6, robe);
      FillEllipse(c, 54, 78 + bob, 8, 6, fur);
    }
    StampEmoji(art, c, U'\U0001F43C', 20, 4 + bob + (fall ? 2 : 0), 68, 62, n == 4 ? 15 : 0);
    if (n == 4)
      for (int i = 0; i < 3; ++i) FillEllipse(c, 34 + i * 20, 6, 3, 3, Rgb(255, 240, 120));
    Finish(c, 2);
  });
}

// Kind 11: the clown. 0..2 bobbing and juggling, 3 alarm barrage, 4 hit flash.
TRaster Clown(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    const TRgba balls[3] = {Rgb(255, 80, 80), Rgb(90, 220, 120), Rgb(90, 160, 255)};
    TRgba suit = n == 3 ? Rgb(240, 60, 50) : Rgb(150, 80, 220);
    // Body with big buttons and a frilled collar.
    FillRoundRect(c, 36, 60, 88, 104, 16, Shaded(suit, 62, 80, 28, 52, 70));
    for (int i = 0; i < 3; ++i) FillEllipse(c, 62, 72 + i * 10, 3.5f, 3.5f, Rgb(255, 230, 80));
    for (int i = 0; i < 9; ++i) {
      float a = kPi * (0.05f + 0.9f * i / 8);
      FillEllipse(c, 62 - 30 * std::cos(a), 60 + 6 * std::sin(a), 7, 5,
                  i % 2 ? Rgb(255, 255, 255) : Rgb(255, 200, 230));
    }
    // Arms and juggling balls (positions rotate through the three frames).
    if (n == 3) {
      Line(c, 40, 70, 12, 40, 9, suit);
      Line(c, 84, 70, 112, 40, 9, suit);
      FillEllipse(c, 10, 36, 8, 8, Rgb(250, 220, 60));  // alarm bells
      FillEllipse(c, 114, 36, 8, 8, Rgb(250, 220, 60));
      for (int i = 0; i < 3; ++i) {
        Line(c, 4 - i * 2.0f, 20 + i * 6.0f, 0, 18 + i * 7.0f, 2, Rgb(255, 240, 150));
        Line(c, 120 + i * 2.0f, 20 + i * 6.0f, 124, 18 + i * 7.0f, 2, Rgb(255, 240, 150));
      }
    } else {
      Line(c, 40, 72, 18, 80, 9, suit);
      Line(c, 84, 72, 106, 80, 9, suit);
      FillEllipse(c, 16, 80, 6, 6, Rgb(255, 255, 255));
      FillEllipse(c, 108, 80, 6, 6, Rgb(255, 255, 255));
      int k = n % 3;
      for (int i = 0; i < 3; ++i) {
        float a = kPi * (1.1f + 0.8f * ((i + k) % 3) / 2);
        float bx = 62 + 50 * std::cos(a), by = 40 + 32 * std::sin(a);
        FillEllipse(c, bx, by, 6, 6, balls[i]);
        FillEllipse(c, bx - 2, by - 2, 2, 2, Rgb(255, 255, 255));
      }
    }
    StampEmoji(art, c, U'\U0001F921', 30, 2 + (n == 1 ? 2 : 0), 64, 60, n == 2 ? 5 : 0);
    if (n == 4) Tint(c, Rgb(255, 255, 255), 0.7f);
    Finish(c, 2);
  });
}

// Kinds 15 and 16: the uncle. 0 sway, 1 spare, 2..4 the look-alike drop-in
// poses, 5 knocked back, 6 dive.
TRaster Uncle(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    TRgba shirt = Rgb(250, 250, 250), belly = Rgb(255, 210, 170), band = Rgb(220, 60, 60);
    TRgba pants = Rgb(70, 90, 140);
    float tilt = n == 5 ? -20 : n == 6 ? 15 : 0;
    TRaster body(97, 95);
    // Legs.
    float spread = n == 6 ? 10 : n >= 2 && n <= 4 ? (n - 3) * 4.0f : 0;
    Line(body, 40, 70, 34 - spread, 90, 9, pants);
    Line(body, 58, 70, 64 + spread, 90, 9, pants);
    // Round body in an undershirt with a belly band.
    FillEllipse(body, 49, 60, 24, 20, shirt);
    FillRect(body, 26, 66, 72, 76, band);
    FillEllipse(body, 49, 71, 6, 4, belly);
    // Arms by pose.
    float armUp = n == 6 ? -1 : n == 5 ? 1 : n >= 2 && n <= 4 ? (n - 3) * 0.5f : 0.2f;
    Line(body, 28, 52, 10, 50 + armUp * 20, 8, belly);
    Line(body, 70, 52, 88, 50 + armUp * 20 * (n == 4 ? -1 : 1), 8, belly);
    StampEmoji(art, body, U'\U0001F9D4', 22, 2, 54, 50);
    if (n == 5)
      for (int i = 0; i < 3; ++i) FillEllipse(body, 30 + i * 18, 6, 3, 3, Rgb(255, 240, 120));
    Stamp(c, body, 0, 0, 97, 95, tilt);
    Finish(c, 2);
  });
}

// Kind 18: the giant robot. 0 bob, 1 hop, 2 guard, 3 knocked.
TRaster Robot(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    TRgba metal = Rgb(150, 170, 200), dark = Rgb(70, 80, 110), glow = Rgb(120, 255, 220);
    TRaster r(192, 162);
    float crouch = n == 1 ? 8 : 0;
    // Legs.
    FillRoundRect(r, 60, 118 + crouch * 0.5f, 84, 160, 6, dark);
    FillRoundRect(r, 108, 118 + crouch * 0.5f, 132, 160, 6, dark);
    FillRoundRect(r, 52, 150, 90, 162, 4, metal);
    FillRoundRect(r, 102, 150, 140, 162, 4, metal);
    // Torso with a chest light.
    FillRoundRect(r, 46, 72 + crouch, 146, 126 + crouch, 14, Shaded(metal, 96, 99, 52, 76, 84));
    FillEllipse(r, 96, 98 + crouch, 10, 10, n == 3 ? Rgb(255, 90, 60) : glow);
    for (int i = 0; i < 4; ++i)
      FillRect(r, 60 + i * 6.0f, 110 + crouch, 63 + i * 6.0f, 120 + crouch, dark);
    // Arms: down, raised for the hop, crossed shields for the guard.
    if (n == 2) {
      FillRoundRect(r, 40, 70, 152, 96, 10, Rgb(90, 120, 200));
      FillRoundRect(r, 44, 74, 148, 92, 8, Rgb(150, 200, 255));
      Line(r, 60, 83, 132, 83, 3, Rgb(240, 250, 255));
    } else {
      float lift = n == 1 ? -22 : n == 3 ? -34 : 0;
      Line(r, 44, 80 + crouch, 20, 120 + lift, 16, dark);
      Line(r, 148, 80 + crouch, 172, 120 + lift, 16, dark);
      FillEllipse(r, 18, 124 + lift, 12, 12, metal);
      FillEllipse(r, 174, 124 + lift, 12, 12, metal);
    }
    StampEmoji(art, r, U'\U0001F916', 50, 0 + crouch, 92, 84);
    if (n == 2) {
      FillRoundRect(r, 40, 70, 152, 96, 10, Rgb(90, 120, 200, 0.9f));
      FillRoundRect(r, 44, 74, 148, 92, 8, Rgb(160, 210, 255, 0.9f));
    }
    if (n == 3)
      for (int i = 0; i < 5; ++i) {
        float a = i * 2 * kPi / 5;
        Line(r, 96 + 60 * std::cos(a), 60 + 40 * std::sin(a), 96 + 72 * std::cos(a),
             60 + 48 * std::sin(a), 3, Rgb(255, 240, 120));
      }
    Stamp(c, r, 0, 0, 192, 162, n == 3 ? -8 : 0);
    Finish(c, 2);
  });
}

// Kind 19: the mouse, four running frames (it faces left).
TRaster Mouse(const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    float ph = n * kPi / 2;
    TRgba fur = Rgb(170, 170, 185), pink = Rgb(255, 160, 175), ink = InkDark();
    // Tail whipping behind.
    float tw = std::sin(ph) * 6;
    Line(c, 84, 24, 92, 20 + tw * 0.5f, 2.5f, pink);
    Line(c, 92, 20 + tw * 0.5f, 100, 12 + tw, 2, pink);
    // Feet scurrying in pairs.
    for (int i = 0; i < 4; ++i) {
      float step = std::sin(ph + i * kPi / 2) * 4;
      FillEllipse(c, 32 + i * 15 + step, 34.5f, 4, 2.5f, pink);
    }
    // Body, head, snout and ears.
    float bob = n % 2 ? 1 : 0;
    FillEllipse(c, 56, 22 + bob, 30, 12, Shaded(fur, 56, 22, 30, 48, 14));
    FillEllipse(c, 24, 21 + bob, 13, 11, Shaded(fur, 24, 21, 13, 20, 16));
    std::vector<TPt> snout = {{14, 15 + bob}, {2, 25 + bob}, {16, 29 + bob}};
    FillPolygon(c, snout, fur);
    FillEllipse(c, 30, 8 + bob, 8, 8, fur);
    FillEllipse(c, 30, 8 + bob, 5, 5, pink);
    FillEllipse(c, 3, 25 + bob, 2.5f, 2.5f, Rgb(240, 90, 120));
    FillEllipse(c, 16, 18 + bob, 2.6f, 3, ink);
    FillEllipse(c, 15.3f, 17 + bob, 0.9f, 0.9f, Rgb(255, 255, 255));
    Finish(c, 1);
    for (int i = -1; i <= 1; ++i) Line(c, 8, 24 + bob, 0.5f, 24 + bob + i * 3, 0.8f, ink);
  });
}

// Kind 20: the floating sorcerer ghost.
TRaster Sorcerer(TArt& art, const TPictureSpec& s) {
  TRaster c(s.Width, s.Height);
  std::vector<TPt> robe = {{25, 18}, {46, 62}, {38, 58}, {31, 66},
                           {25, 60}, {19, 66}, {12, 58}, {4, 62}};
  FillPolygon(c, robe, VGradient(18, 66, Rgb(130, 80, 220), Rgb(60, 30, 130)));
  StampEmoji(art, c, U'\U0001F47B', 5, 2, 40, 40);
  std::vector<TPt> crown = {{15, 8}, {18, 1}, {22, 6}, {25, 0}, {28, 6}, {32, 1}, {35, 8}};
  FillPolygon(c, crown, Rgb(255, 215, 60));
  Finish(c, 1);
  return c;
}

// Kind 21: the tall crystal options (0 left, 1 right).
TRaster Pylons(const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    TRgba body = n ? Rgb(80, 200, 255) : Rgb(255, 110, 200);
    std::vector<TPt> gem = {{13.5f, 2}, {24, 20}, {20, 76}, {7, 76}, {3, 20}};
    FillPolygon(c, gem, Shaded(body, 13.5f, 40, 30, 9, 20));
    Line(c, 13.5f, 4, 13.5f, 74, 1.5f, Shade(body, 1.5f));
    FillEllipse(c, 13.5f, 32, 6, 6, Rgb(255, 255, 255));
    FillEllipse(c, 13.5f + (n ? 1.5f : -1.5f), 32, 3, 3.5f, InkDark());
    Finish(c, 1);
  });
}

// Kind 22: the small rising options (0 normal, 1 knocked).
TRaster Orbs(TArt& art, const TPictureSpec& s) {
  return Cells(s, [&](TRaster& c, int n) {
    StampEmoji(art, c, U'\U0001F47E', 3, 1, 28, 28, n ? 20 : 0);
    if (n) Tint(c, Rgb(255, 255, 255), 0.5f);
    Finish(c, 1);
  });
}

}  // namespace

bool DrawBossItem(TArt& art, const TPictureSpec& s, TRaster& out) {
  const std::string n = s.Name;
  if (n == "boss1")
    out = Panda(art, s);
  else if (n == "boss2")
    out = Clown(art, s);
  else if (n == "boss3")
    out = Uncle(art, s);
  else if (n == "boss4")
    out = Robot(art, s);
  else if (n == "boss5")
    out = Mouse(s);
  else if (n == "boss6_1")
    out = Sorcerer(art, s);
  else if (n == "boss6_2")
    out = Pylons(s);
  else if (n == "boss6_3")
    out = Orbs(art, s);
  else
    return false;
  return true;
}
