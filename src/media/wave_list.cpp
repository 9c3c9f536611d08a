// The sound catalog: lookup by name and playing with reuse of finished
// instances.
#include "media/wave_list.h"

#include <algorithm>

#include "base/game_error.h"
#include "media/platform.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto low = [](char c) {
             return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
           };
           return low(x) == low(y);
         });
}

// Milliseconds the sound lasts, from its byte count and format.
double SoundMs(const TWaveItem& item) {
  const double bytesPerSecond = static_cast<double>(item.Format.Rate) *
                                std::max(1, item.Format.Channels) *
                                std::max(1, item.Format.Bits / 8);
  return bytesPerSecond > 0 ? item.Data.size() * 1000.0 / bytesPerSecond : 0.0;
}

}  // namespace

TWaveItem& TWaveList::FindWave(const std::string& name) {
  const int i = WaveIndex(name);
  if (i < 0) throw GameError(FormatMessage("Wave '%s' が見つかりません", name));
  return Items[static_cast<size_t>(i)];
}

int TWaveList::WaveIndex(const std::string& name) const {
  for (size_t i = 0; i < Items.size(); ++i)
    if (SameNameIgnoringCase(Items[i].Name, name)) return static_cast<int>(i);
  return -1;
}

void TWaveList::PlayWave(TWaveItem& item, bool wait) {
  if (!Device || !Device->Running()) return;
  int instance = -1;
  if (item.Looped && !item.Instances.empty()) {
    instance = item.Instances.front();  // a looped sound has one instance
  } else {
    for (int h : item.Instances)
      if (!Device->Sounding(h)) {
        instance = h;
        break;
      }
  }
  if (instance < 0) {
    const auto count = static_cast<int>(item.Instances.size());
    if (item.MaxPlayingCount > 0 && count >= item.MaxPlayingCount) {
      // At the limit: the oldest instance starts again and becomes the newest.
      instance = item.Instances.front();
      item.Instances.erase(item.Instances.begin());
    } else {
      instance = Device->NewInstance(item.Format, item.Data);
    }
    item.Instances.push_back(instance);
  }
  Device->Restart(instance);
  PlayLog.push_back(item.Name);
  if (wait && Clock) {
    // Bounded by the sound's own length (and a second more), so that a
    // device that never reports the end cannot hold the game.
    const double limit = SoundMs(item) + 1000.0;
    for (double waited = 0; Device->Sounding(instance) && waited < limit; waited += 10)
      Clock->SleepMs(10);
  }
}
