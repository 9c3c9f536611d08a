// The SDL2 window: presents the 430x400 screen surface at a whole-number
// scale, centred on black, with our own RGB565 scaler: on X11 through a copy
// kept by the X server (the default: no OpenGL, and a scrolled backdrop is
// moved there instead of sent again), elsewhere through the window surface;
// or through an SDL renderer; keeps the caption, resizes, goes full screen and back, paces
// on a steady millisecond clock and turns SDL's events into the game's own
// key, focus and quit events.
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/keyboard.h"
#include "media/platform.h"
#include "platform/sdl/scale565.h"
#include "platform/sdl/x11_present.h"

struct SDL_Rect;
struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
class SdlAudio;

// One thing that happened to the window since the last poll.
struct SdlInput {
  enum Kind { KeyChange, Focus, Quit } Type = KeyChange;
  KeyEvent Key;
  bool Focused = false;
};

// How frames reach the screen.
enum class TPresentPath { X11Window, WindowSurface, Renderer };

// Why a window cannot be opened here, or "" when a display is there (or a
// video driver that needs none was asked for explicitly). Reads DISPLAY,
// WAYLAND_DISPLAY and SDL_VIDEODRIVER from the given lookup.
std::string NoDisplayReason(const std::function<const char*(const char*)>& getenv);

class SdlPlatform : public IPlatform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // Opens the window at the given scale (0: the largest whole scale that fits
  // about 80 % of the desktop); false with a message.
  bool Open(int scale, std::string& error);
  // Takes every pending event of the window.
  std::vector<SdlInput> PollEvents();
  TPresentPath PresentPath() const { return path_; }

  // Milliseconds of a steady clock since the platform was made. SleepMs(n)
  // sleeps until the clock reads n more than at its last reading, so a loop
  // that reads the clock and sleeps the difference wakes once, on time.
  uint32_t NowMs() override;
  void SleepMs(uint32_t ms) override;
  void Present(const Surface& screen) override;
  // When the last frame was handed to the window system.
  std::chrono::steady_clock::time_point LastPresentTime() const { return lastPresent_; }
  void SetCaption(const std::string& utf8) override;
  std::string Caption() const override { return caption_; }
  bool SetFullScreen(bool on) override;
  bool IsFullScreen() const override { return fullScreen_; }
  void SetWindowScale(int scale) override;
  int WindowScale() const override { return scale_; }
  void SetMusicVolume(int volume) override;
  int MusicVolume() const override { return musicVolume_; }
  void SetEffectsVolume(int volume) override;
  int EffectsVolume() const override { return effectsVolume_; }
  // The mixer whose volumes SetMusicVolume and SetEffectsVolume set.
  void AttachAudio(SdlAudio* audio);
  // Errors during play go to stderr only (the game shows its own note).
  void ReportError(const std::string& utf8) override;
  // Where the game cannot go on (start-up): stderr and a message box.
  void ShowFatalError(const std::string& utf8);

 private:
  int AutomaticScale() const;
  bool OpenRenderer(std::string& error);
  void PresentToSurface(const Surface& screen);
  void PresentWithRenderer(const Surface& screen);

  using Clock = std::chrono::steady_clock;
  Clock::time_point start_;
  Clock::time_point lastPresent_;
  uint32_t lastNow_ = 0;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  TPresentPath path_ = TPresentPath::WindowSurface;
  X11Presenter x11_;
  std::vector<uint32_t> table_;  // 565 value -> window surface pixel
  uint32_t tableFormat_ = 0;     // the surface format the table is for
  std::vector<uint16_t> shown_;  // the picture last put in the window
  std::vector<TArea> areas_;     // what changed since, this frame
  std::vector<SDL_Rect> rects_;  // the same in window pixels
  bool redrawAll_ = true;        // borders and picture, after a change of size
  bool videoStarted_ = false;
  bool fullScreen_ = false;
  int windowedX_ = 0, windowedY_ = 0, windowedW_ = 430, windowedH_ = 400;
  int scale_ = 0;
  int musicVolume_ = 100;
  int effectsVolume_ = 100;
  SdlAudio* audio_ = nullptr;
  std::string caption_;
};

// The game's virtual-key code of an SDL key (its symbol in the active layout
// and its position), or 0 for keys the game does not use. minusOnSix: the
// layout is French AZERTY, whose "-" SDL reports as the digit 6.
int VirtualKeyOfKey(int keycode, int scancode, bool minusOnSix = false);
// Whether the active layout puts "-" on the 6 key (French AZERTY).
bool LayoutHasMinusOnSix();
