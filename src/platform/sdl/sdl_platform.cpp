// The SDL2 window, its presentation and its event translation.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>

#include "media/surface.h"
#include "platform/sdl/sdl_audio.h"

namespace {

constexpr int kWidth = 430, kHeight = 400;

}  // namespace

SdlPlatform::~SdlPlatform() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlPlatform::Open(int scale, std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("SDL video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  scale = std::clamp(scale, 1, 16);
  window_ = SDL_CreateWindow(caption_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kWidth * scale, kHeight * scale, 0);
  if (!window_) {
    error = std::string("SDL window: ") + SDL_GetError();
    return false;
  }
  // Nearest-pixel sampling keeps the scaled picture sharp.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    error = std::string("SDL renderer: ") + SDL_GetError();
    return false;
  }
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kWidth, kHeight);
  if (!texture_) {
    error = std::string("SDL texture: ") + SDL_GetError();
    return false;
  }
  // Letters come from key events by physical key, never from text input.
  SDL_StopTextInput();
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

std::vector<SdlInput> SdlPlatform::PollEvents() {
  std::vector<SdlInput> out;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    SdlInput in;
    switch (e.type) {
      case SDL_QUIT:
        in.Type = SdlInput::Quit;
        out.push_back(in);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        int code = VirtualKeyOfScancode(e.key.keysym.scancode);
        if (code == 0) break;
        in.Type = SdlInput::KeyChange;
        in.Key = KeyEvent{code, e.type == SDL_KEYDOWN};
        out.push_back(in);
        break;
      }
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
            e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
          in.Type = SdlInput::Focus;
          in.Focused = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
          out.push_back(in);
        }
        break;
      default:
        break;
    }
  }
  return out;
}

uint32_t SdlPlatform::NowMs() {
  return SDL_GetTicks();
}

void SdlPlatform::SleepMs(uint32_t ms) {
  SDL_Delay(ms);
}

void SdlPlatform::Present(const Surface& screen) {
  if (!renderer_ || !texture_ || screen.Width != kWidth || screen.Height != kHeight) return;
  SDL_UpdateTexture(texture_, nullptr, screen.Pixels.data(), kWidth * 2);
  // The picture is scaled by the largest whole factor that fits and centred.
  int outW = kWidth, outH = kHeight;
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  int factor = std::max(1, std::min(outW / kWidth, outH / kHeight));
  SDL_Rect dest{(outW - kWidth * factor) / 2, (outH - kHeight * factor) / 2, kWidth * factor,
                kHeight * factor};
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
  SDL_RenderPresent(renderer_);
}

void SdlPlatform::SetCaption(const std::string& utf8) {
  if (utf8 == caption_) return;
  caption_ = utf8;
  if (window_) SDL_SetWindowTitle(window_, caption_.c_str());
}

bool SdlPlatform::SetFullScreen(bool on) {
  if (fullScreen_ == on) return true;
  if (!window_) return false;
  // A borderless window covering the desktop; the display mode stays as it is.
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
  SDL_ShowCursor(on ? SDL_DISABLE : SDL_ENABLE);
  fullScreen_ = on;
  return true;
}

void SdlPlatform::SetWindowScale(int scale) {
  scale_ = ClampWindowScale(scale);
  if (!window_ || fullScreen_) return;
  int factor = std::max(1, scale_);
  SDL_SetWindowSize(window_, kWidth * factor, kHeight * factor);
}

void SdlPlatform::AttachAudio(SdlAudio* audio) {
  audio_ = audio;
  SetMusicVolume(musicVolume_);
  SetEffectsVolume(effectsVolume_);
}

void SdlPlatform::SetMusicVolume(int volume) {
  musicVolume_ = ClampVolume(volume);
  if (audio_) audio_->SetMusicVolume(musicVolume_);
}

void SdlPlatform::SetEffectsVolume(int volume) {
  effectsVolume_ = ClampVolume(volume);
  if (audio_) audio_->SetEffectsVolume(effectsVolume_);
}

void SdlPlatform::ReportError(const std::string& utf8) {
  std::fprintf(stderr, "mirutena: %s\n", utf8.c_str());
  if (window_)
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption_.c_str(), utf8.c_str(), window_);
}
