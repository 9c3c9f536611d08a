// The keyboard device: a snapshot of held keys by virtual-key code, taken once
// per frame; all keys read as up while the window is not in front. A key
// pressed and released between two frames (a quick tap) reads as down for
// the next frame, so that no press is lost.
#pragma once
#include <array>
#include <cstddef>

// Virtual-key codes the game uses.
namespace vk {
constexpr int Backspace = 8, Tab = 9, Return = 13, Escape = 27, Pause = 19, Space = 32;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Digit0 = 48, Digit9 = 57;  // the number row (names in the ranking)
constexpr int A = 65, Z = 90;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116;
constexpr int Minus = 189;
// Not keys: the window lost or regained the keyboard focus (delivered as
// key events so that scripts and recordings carry them in order).
constexpr int FocusLost = 1001, FocusGained = 1002;
}  // namespace vk

// A key going down or up, as the platform reports it.
struct KeyEvent {
  int Code = 0;
  bool Down = false;
};

class TKeyboard {
 public:
  // Fed by the platform from its key events and focus changes.
  void SetHeld(int code, bool down) {
    if (code <= 0 || code >= 256) return;
    held_[code] = down;
    if (down) tapped_[code] = true;
  }
  void SetFocus(bool focused) { focused_ = focused; }
  void ReleaseAll() {
    held_.fill(false);
    tapped_.fill(false);
  }

  void PollKeyboard() {
    state_.fill(false);
    if (focused_)
      for (std::size_t i = 0; i < state_.size(); ++i) state_[i] = held_[i] || tapped_[i];
    tapped_.fill(false);
  }
  bool IsKeyDown(int code) const { return code >= 1 && code <= 255 && state_[code]; }

 private:
  std::array<bool, 256> held_{};
  std::array<bool, 256> state_{};
  std::array<bool, 256> tapped_{};  // went down since the last snapshot
  bool focused_ = true;
};
