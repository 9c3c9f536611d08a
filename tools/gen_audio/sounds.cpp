// Renders catalog rows: finds the row's recipe, draws it at the row's rate and
// length, fades and levels it, quantises it and checks it against the row.
#include "gen_audio/sounds.h"

#include <cmath>
#include <cstdio>

namespace {

bool FindRecipe(const std::string& name, TSoundRecipe& found) {
  for (auto group : {KeyRecipes, EnemyRecipes, EventRecipes}) {
    for (const TSoundRecipe& r : group()) {
      if (name == r.Name) {
        found = r;
        return true;
      }
    }
  }
  return false;
}

bool Finite(const std::vector<TSignal>& channels) {
  for (const TSignal& c : channels)
    for (float x : c)
      if (!std::isfinite(x)) return false;
  return true;
}

}  // namespace

bool MakeSound(const TSoundSpec& spec, TSoundItem& item, std::string& error) {
  TSoundRecipe recipe{};
  if (!FindRecipe(spec.Name, recipe)) {
    error = std::string("no recipe for sound '") + spec.Name + "'";
    return false;
  }
  int frameBytes = spec.Channels * spec.Bits / 8;
  if (spec.Channels < 1 || spec.Channels > 2 || (spec.Bits != 8 && spec.Bits != 16) ||
      spec.Rate <= 0 || spec.Bytes <= 0 || spec.Bytes % frameBytes != 0) {
    error = std::string("sound '") + spec.Name + "' has a format that cannot be made";
    return false;
  }
  TSoundCanvas canvas;
  canvas.Rate = spec.Rate;
  canvas.Frames = size_t(spec.Bytes / frameBytes);
  canvas.Out.assign(size_t(spec.Channels), TSignal(canvas.Frames, 0.0f));
  recipe.Draw(canvas);
  if (!Finite(canvas.Out)) {
    error = std::string("sound '") + spec.Name + "' produced non-finite samples";
    return false;
  }
  for (TSignal& c : canvas.Out) {
    c.resize(canvas.Frames, 0.0f);  // a recipe never changes the length
    RemoveDc(c, canvas.Rate);
    FadeIn(c, canvas.Rate, 0.0005);
    FadeOut(c, canvas.Rate, recipe.FadeSeconds);
  }
  NormalisePeak(canvas.Out, recipe.PeakDb);
  item.Name = spec.Name;
  item.Channels = spec.Channels;
  item.Rate = spec.Rate;
  item.Bits = spec.Bits;
  item.Pcm = ToPcm(canvas.Out, spec.Bits);
  error = CheckSoundItem(item, spec);
  return error.empty();
}

bool MakeAllSounds(std::vector<TSoundItem>& items, std::string& error) {
  items.clear();
  for (const TSoundSpec& spec : kSoundSpecs) {
    TSoundItem item;
    if (!MakeSound(spec, item, error)) return false;
    items.push_back(std::move(item));
  }
  return true;
}
