// The SDL2 window: presents the 430x400 screen surface through a streaming
// texture with whole-factor sharp scaling, keeps the caption, goes borderless
// full screen, paces on SDL's millisecond clock and turns SDL's events into
// the game's own key, focus and quit events.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "media/keyboard.h"
#include "media/platform.h"

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

class SdlPlatform : public IPlatform {
 public:
  SdlPlatform() = default;
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // Opens the window at scale x 430 by scale x 400; false with a message.
  bool Open(int scale, std::string& error);
  // Takes every pending event of the window.
  std::vector<SdlInput> PollEvents();

  uint32_t NowMs() override;
  void SleepMs(uint32_t ms) override;
  void Present(const Surface& screen) override;
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
  void ReportError(const std::string& utf8) override;

 private:
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  bool videoStarted_ = false;
  bool fullScreen_ = false;
  int scale_ = 0;
  int musicVolume_ = 100;
  int effectsVolume_ = 100;
  SdlAudio* audio_ = nullptr;
  std::string caption_;
};

// The game's virtual-key code of an SDL scancode (the physical key, whatever
// the layout), or 0 for keys the game does not use.
int VirtualKeyOfScancode(int scancode);
