// The scripted and built-in key sources.
#include "drive/input_source.h"

void ScriptedInput::KeysBefore(int64_t frame, const Game&, std::vector<KeyEvent>& out) {
  // Events whose frame has passed (a source first asked late) still come, in order.
  while (next_ < events_.size() && events_[next_].Frame <= frame)
    out.push_back(events_[next_++].Key);
}

void AutoplayInput::KeysBefore(int64_t, const Game& g, std::vector<KeyEvent>& out) {
  std::vector<KeyEvent> keys = AutoplayKeys(bot_, g);
  out.insert(out.end(), keys.begin(), keys.end());
}
