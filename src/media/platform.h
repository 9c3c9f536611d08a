// The rest of what the game needs from its platform: time, the window's
// presentation, caption, size and full screen, the output volumes, and error
// reports. Headless and SDL backends implement it.
#pragma once
#include <cstdint>
#include <string>

struct Surface;

class IPlatform {
 public:
  virtual ~IPlatform() = default;
  virtual uint32_t NowMs() = 0;
  virtual void SleepMs(uint32_t ms) = 0;  // 0 gives up the time slice
  virtual void Present(const Surface& screen) = 0;
  virtual void SetCaption(const std::string& utf8) = 0;
  virtual std::string Caption() const = 0;
  // Borderless desktop-sized presentation on or off; false when the change
  // cannot be made (the state then stays as it was).
  virtual bool SetFullScreen(bool on) = 0;
  virtual bool IsFullScreen() const = 0;
  bool EnterFullScreen() { return SetFullScreen(true); }
  // Whole-number scale of the window; 0 picks the largest that fits about
  // 80 % of the desktop. The value read back is the one last asked for.
  virtual void SetWindowScale(int scale) = 0;
  virtual int WindowScale() const = 0;
  // Output volumes 0..100 (clamped) of the music and of the sound effects.
  // 100 is the game's normal level, which leaves headroom against clipping.
  virtual void SetMusicVolume(int volume) = 0;
  virtual int MusicVolume() const = 0;
  virtual void SetEffectsVolume(int volume) = 0;
  virtual int EffectsVolume() const = 0;
  // An error the game reports to the user (message box or stderr).
  virtual void ReportError(const std::string& utf8) = 0;
};

// Volumes and scales are kept in range the same way by every backend.
inline int ClampVolume(int volume) {
  return volume < 0 ? 0 : volume > 100 ? 100 : volume;
}
inline int ClampWindowScale(int scale) {
  return scale < 0 ? 0 : scale > 16 ? 16 : scale;
}
