// Effect objects: spawning, the per-frame draw and motion of every effect,
// spark bursts and the bomb explosion.
#include "alpha_object/alpha_object.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "world/game.h"

namespace {

int TruncPos(double x) {
  if (std::isnan(x)) return 0;
  return static_cast<int>(
      std::clamp(x, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

int32_t PictureIndex(Game& g, const std::string& name) {
  const TPictureItem* item = g.List.TryFindPicture(name);
  return item ? static_cast<int32_t>(item - g.List.Items.data()) + 1 : 0;
}

TAlphaObject& AppendEffect(Game& g, int endMode, int x, int y, const std::string& picture,
                           double opacity, double opacitySpeed, double opacityAccel, double speedX,
                           double accelX, double speedY, double accelY, int frames) {
  auto& list = g.Effects.EffectList;
  list.push_back(std::make_unique<TAlphaObject>());
  TAlphaObject& a = *list.back();
  a.EndMode = static_cast<uint8_t>(endMode);
  a.FramesLeft = frames;
  a.PosX = x;
  a.PosY = y;
  a.PictureName = picture;
  a.ItemIndex = PictureIndex(g, picture);
  a.Opacity = opacity;
  a.OpacitySpeed = opacitySpeed;
  a.OpacityAccel = opacityAccel;
  a.SpeedX = speedX;
  a.AccelX = accelX;
  a.SpeedY = speedY;
  a.AccelY = accelY;
  return a;
}

void DrawEffect(Game& g, const TAlphaObject& a, bool translucent) {
  auto& items = g.List.Items;
  if (a.ItemIndex <= 0 || static_cast<size_t>(a.ItemIndex) > items.size()) return;
  const TPictureItem& item = items[a.ItemIndex - 1];
  int w = item.PatternWidth, h = item.PatternHeight;
  if (w == 0) {
    w = item.PictureWidth();
    h = item.PictureHeight();
  }
  // Past its 30 steps an animated effect keeps showing the last one.
  const int pattern = a.EffectType == 1 ? a.Sequence[std::min<int>(a.StepIndex, 30)] : a.StepFrame;
  const int x = TruncPos(a.PosX), y = TruncPos(a.PosY);
  if (a.Opacity >= 255 || !translucent)
    DrawPattern(item, g.Screen, x, y, pattern);
  else
    BlendPattern(item, g.Screen, MakeRect(x, y, TruncPos(a.PosX + w), TruncPos(a.PosY + h)),
                 pattern, TruncPos(a.Opacity));
}

}  // namespace

std::array<uint8_t, 31> SparkSequence() {
  std::array<uint8_t, 31> s{};
  for (int i = 1; i <= 30; ++i) s[i] = static_cast<uint8_t>(i % 4);
  return s;
}

std::array<uint8_t, 31> ExplosionSequence() {
  std::array<uint8_t, 31> s{};
  for (int i = 1; i <= 30; ++i) s[i] = static_cast<uint8_t>(i <= 26 ? (i - 1) / 2 : 13);
  return s;
}

void StartEffects(Game& g) {
  g.Effects.EffectList.clear();
}

void SpawnAnimatedEffect(Game& g, int endMode, int x, int y, const std::string& picture,
                         const std::array<uint8_t, 31>& sequence, int framesPerStep, double opacity,
                         double opacitySpeed, double opacityAccel, double speedX, double accelX,
                         double speedY, double accelY, int frames) {
  TAlphaObject& a = AppendEffect(g, endMode, x, y, picture, opacity, opacitySpeed, opacityAccel,
                                 speedX, accelX, speedY, accelY, frames);
  a.EffectType = 1;
  a.Sequence = sequence;
  a.StepFrame = 0;
  a.StepIndex = 1;
  a.FramesPerStep = static_cast<uint8_t>(framesPerStep);
}

void SpawnStillEffect(Game& g, int endMode, int x, int y, const std::string& picture, int pattern,
                      double opacity, double opacitySpeed, double opacityAccel, double speedX,
                      double accelX, double speedY, double accelY, int frames) {
  TAlphaObject& a = AppendEffect(g, endMode, x, y, picture, opacity, opacitySpeed, opacityAccel,
                                 speedX, accelX, speedY, accelY, frames);
  a.EffectType = 2;
  a.StepFrame = static_cast<uint8_t>(pattern);
}

void SparkBurst(Game& g, const std::string& picture, int x, int y, int count) {
  if (count <= 0) return;
  const auto sequence = SparkSequence();
  const int32_t index = PictureIndex(g, picture);
  auto& list = g.Effects.EffectList;
  for (int i = 0; i < count; ++i) {
    const int theta = g.Rng.Random(360);  // the angle is drawn before the speed
    const double r = g.Rng.Random(6) + 0.5;
    const double rad = theta * M_PI / 180.0;
    list.push_back(std::make_unique<TAlphaObject>());
    TAlphaObject& a = *list.back();
    a.EffectType = 1;
    a.EndMode = 1;
    a.FramesLeft = 10;
    a.StepFrame = 0;
    a.FramesPerStep = 3;
    a.StepIndex = 1;
    a.PosX = x - 1;
    a.PosY = y - 1;
    a.PictureName = picture;
    a.ItemIndex = index;
    a.Sequence = sequence;
    a.Opacity = 255;
    a.OpacitySpeed = -23;
    a.SpeedX = std::cos(rad) * r;
    a.SpeedY = std::sin(rad) * r;
  }
}

void SpawnExplosion(Game& g, int x, int y) {
  SpawnAnimatedEffect(g, 1, x, y, "barst_1", ExplosionSequence(), 1, 255, -8, 0, 0, 0, 0, 0, 26);
}

void UpdateEffects(Game& g, bool translucent) {
  auto& list = g.Effects.EffectList;
  bool anyEnded = false;
  for (auto& slot : list) {
    TAlphaObject& a = *slot;
    DrawEffect(g, a, translucent);
    if (a.EffectType == 1) {
      a.StepFrame += 1;
      if (a.StepFrame == a.FramesPerStep) {
        a.StepFrame = 0;
        if (a.StepIndex < 30) a.StepIndex += 1;
      }
    }
    // The opacity takes the new speed, the position the old one.
    a.OpacitySpeed += a.OpacityAccel;
    a.Opacity += a.OpacitySpeed;
    a.PosX += a.SpeedX;
    a.SpeedX += a.AccelX;
    a.PosY += a.SpeedY;
    a.SpeedY += a.AccelY;
    a.FramesLeft -= 1;
    // A frame-limited effect also ends when spawned with no frames at all.
    if ((a.Opacity < 0 && a.EndMode == 0) || (a.FramesLeft <= 0 && a.EndMode == 1)) {
      slot.reset();
      anyEnded = true;
    }
  }
  if (anyEnded) list.erase(std::remove(list.begin(), list.end(), nullptr), list.end());
}
