// The SDL2 window, its presentation and its event translation.
#include "platform/sdl/sdl_platform.h"

#include <SDL.h>
#include <SDL_syswm.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "media/field_size.h"
#include "media/surface.h"
#include "platform/sdl/scale565.h"
#include "platform/sdl/sdl_audio.h"

namespace {

bool Set(const char* v) {
  return v != nullptr && v[0] != '\0';
}

// Each 565 value as the surface's pixel, the channels widened by repeating
// their high bits (as the renderer's conversion does).
std::vector<uint32_t> PixelTable(const SDL_PixelFormat* format) {
  std::vector<uint32_t> table(65536);
  for (uint32_t v = 0; v < 65536; ++v) {
    const uint32_t r = v >> 11, g = (v >> 5) & 63, b = v & 31;
    table[v] = SDL_MapRGB(format, static_cast<uint8_t>((r << 3) | (r >> 2)),
                          static_cast<uint8_t>((g << 2) | (g >> 4)),
                          static_cast<uint8_t>((b << 3) | (b >> 2)));
  }
  return table;
}

}  // namespace

std::string NoDisplayReason(const std::function<const char*(const char*)>& getenv) {
  if (Set(getenv("DISPLAY")) || Set(getenv("WAYLAND_DISPLAY"))) return "";
  // Tests ask for SDL's dummy driver on purpose; a console asks for KMS.
  const char* driver = getenv("SDL_VIDEODRIVER");
  if (Set(driver) && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "kmsdrm") == 0))
    return "";
  return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set, so no window can open. "
         "Start the game from a desktop session, or run it without a window with --headless. "
         "(ディスプレイがありません。--headless でウィンドウなしで動かせます)";
}

SdlPlatform::SdlPlatform() : start_(Clock::now()) {}

SdlPlatform::~SdlPlatform() {
  x11_.Close();
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int SdlPlatform::AutomaticScale() const {
  SDL_DisplayMode mode;
  int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
  if (SDL_GetDesktopDisplayMode(display, &mode) != 0) return 1;
  return WholeScaleThatFits(kFieldWidth, kFieldHeight, mode.w * 4 / 5, mode.h * 4 / 5);
}

bool SdlPlatform::Open(int scale, std::string& error) {
  // The window surface must be the window system's own (X11 shared memory),
  // not a texture that SDL would draw with OpenGL behind our back.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("SDL video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  scale_ = ClampWindowScale(scale);
  int factor = scale_ > 0 ? scale_ : AutomaticScale();
  window_ = SDL_CreateWindow(caption_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                             kFieldWidth * factor, kFieldHeight * factor, SDL_WINDOW_RESIZABLE);
  if (!window_) {
    error = std::string("SDL window: ") + SDL_GetError();
    return false;
  }
  SDL_SetWindowMinimumSize(window_, kFieldWidth, kFieldHeight);
  // Letters come from key events, never from text input: with text input off
  // an input method neither composes nor swallows the key presses.
  SDL_StopTextInput();
  // MIRUTENA_PRESENT=renderer keeps SDL's renderer (OpenGL where present),
  // for machines where that is measurably better, and =surface the window
  // surface. The X server's copy is the default on X11, the window surface
  // elsewhere; the renderer also serves when no window surface can be had.
  const char* want = std::getenv("MIRUTENA_PRESENT");
  bool renderer = Set(want) && std::strcmp(want, "renderer") == 0;
  const bool surface = Set(want) && std::strcmp(want, "surface") == 0;
  if (!renderer && !surface && x11_.Open(window_)) {
    path_ = TPresentPath::X11Window;
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);  // for the server's notes to the presenter
    return true;
  }
  if (!renderer) {
    SDL_Surface* s = SDL_GetWindowSurface(window_);
    renderer = !s || (s->format->BytesPerPixel != 2 && s->format->BytesPerPixel != 4);
  }
  if (renderer) {
    path_ = TPresentPath::Renderer;
    return OpenRenderer(error);
  }
  path_ = TPresentPath::WindowSurface;
  SDL_Surface* s = SDL_GetWindowSurface(window_);
  SDL_FillRect(s, nullptr, 0);
  SDL_UpdateWindowSurface(window_);
  return true;
}

bool SdlPlatform::OpenRenderer(std::string& error) {
  // Nearest-pixel sampling keeps the scaled picture sharp.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) {
    error = std::string("SDL renderer: ") + SDL_GetError();
    return false;
  }
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               kFieldWidth, kFieldHeight);
  if (!texture_) {
    error = std::string("SDL texture: ") + SDL_GetError();
    return false;
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderPresent(renderer_);
  return true;
}

std::vector<SdlInput> SdlPlatform::PollEvents() {
  std::vector<SdlInput> out;
  SDL_Event e;
  // One look at the window system a frame: SDL_PollEvent would look again
  // (system calls) for every event it hands out.
  SDL_PumpEvents();
  while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
    SdlInput in;
    switch (e.type) {
      case SDL_QUIT:
        in.Type = SdlInput::Quit;
        out.push_back(in);
        break;
      case SDL_SYSWMEVENT:
        if (e.syswm.msg) x11_.TakeEvent(*e.syswm.msg);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const int code =
            VirtualKeyOfKey(e.key.keysym.sym, e.key.keysym.scancode, LayoutHasMinusOnSix());
        if (code == 0) break;
        in.Type = SdlInput::KeyChange;
        in.Key = KeyEvent{code, e.type == SDL_KEYDOWN};
        out.push_back(in);
        break;
      }
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          // A minimised window counts as one that lost the focus.
          case SDL_WINDOWEVENT_FOCUS_GAINED:
          case SDL_WINDOWEVENT_FOCUS_LOST:
          case SDL_WINDOWEVENT_MINIMIZED:
            // Some systems turn text input on again with the focus.
            if (SDL_IsTextInputActive()) SDL_StopTextInput();
            in.Type = SdlInput::Focus;
            in.Focused = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            out.push_back(in);
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
          case SDL_WINDOWEVENT_RESTORED:
          case SDL_WINDOWEVENT_SHOWN:
            redrawAll_ = true;  // the window's content is ours to redraw
            break;
          default:
            break;
        }
        break;
      default:
        break;
    }
  }
  return out;
}

uint32_t SdlPlatform::NowMs() {
  lastNow_ = static_cast<uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_).count());
  return lastNow_;
}

void SdlPlatform::SleepMs(uint32_t ms) {
  if (ms == 0) {
    std::this_thread::yield();
    return;
  }
  // One wake-up, at the millisecond the caller counted to (the clock reads
  // whole milliseconds, so waking at the boundary reads exactly that value).
  // A reading more than a millisecond old counts from now instead.
  const auto read = start_ + std::chrono::milliseconds(lastNow_);
  const auto now = Clock::now();
  const auto from = now - read >= std::chrono::milliseconds(1) ? now : read;
  std::this_thread::sleep_until(from + std::chrono::milliseconds(ms));
}

void SdlPlatform::Present(const Surface& screen) {
  if (!window_ || screen.Width != kFieldWidth || screen.Height != kFieldHeight) return;
  lastPresent_ = Clock::now();
  if (path_ == TPresentPath::X11Window) {
    x11_.Present(screen.Pixels.data(), kFieldWidth, kFieldHeight, redrawAll_);
    redrawAll_ = false;
  } else if (path_ == TPresentPath::WindowSurface) {
    PresentToSurface(screen);
  } else {
    PresentWithRenderer(screen);
  }
}

// Only the parts that changed since the last frame (bands of rows, each cut
// to the columns that changed) are converted and sent; after a change of
// size or an exposure the whole window is drawn again.
void SdlPlatform::PresentToSurface(const Surface& screen) {
  SDL_Surface* s = SDL_GetWindowSurface(window_);  // renewed by SDL after a resize
  if (!s) return;
  if (table_.empty() || tableFormat_ != s->format->format) {
    table_ = PixelTable(s->format);
    tableFormat_ = s->format->format;
    redrawAll_ = true;
  }
  const int factor = WholeScaleThatFits(kFieldWidth, kFieldHeight, s->w, s->h);
  if (s->w < kFieldWidth * factor || s->h < kFieldHeight * factor)
    return;  // smaller than the picture
  const int left = (s->w - kFieldWidth * factor) / 2, top = (s->h - kFieldHeight * factor) / 2;
  if (shown_.size() != screen.Pixels.size()) redrawAll_ = true;
  if (SDL_MUSTLOCK(s)) SDL_LockSurface(s);
  TScaleTarget target{
      static_cast<uint8_t*>(s->pixels),           s->pitch, s->w, s->h, s->format->BytesPerPixel,
      s->format->format == SDL_PIXELFORMAT_RGB888};
  if (redrawAll_) {
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0, 0, 0));
    ScaleRows565(screen.Pixels.data(), kFieldWidth, 0, kFieldHeight, table_, factor, left, top,
                 target);
    shown_ = screen.Pixels;
  } else {
    // Bands a few rows apart go as one: each band is one request to the
    // X server, a few unchanged rows cost less than that.
    PresentChanges(screen.Pixels.data(), shown_.data(), kFieldWidth, kFieldHeight, 8, 8, table_,
                   factor, left, top, target, areas_);
  }
  if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
  if (redrawAll_) {
    SDL_UpdateWindowSurface(window_);
  } else if (!areas_.empty()) {
    rects_.clear();
    for (const TArea& a : areas_)
      rects_.push_back(SDL_Rect{left + a.X0 * factor, top + a.Y0 * factor, (a.X1 - a.X0) * factor,
                                (a.Y1 - a.Y0) * factor});
    SDL_UpdateWindowSurfaceRects(window_, rects_.data(), static_cast<int>(rects_.size()));
  }
  redrawAll_ = false;
}

void SdlPlatform::PresentWithRenderer(const Surface& screen) {
  if (!renderer_ || !texture_) return;
  SDL_UpdateTexture(texture_, nullptr, screen.Pixels.data(), kFieldWidth * 2);
  // The picture is scaled by the largest whole factor that fits and centred.
  int outW = kFieldWidth, outH = kFieldHeight;
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  int factor = WholeScaleThatFits(kFieldWidth, kFieldHeight, outW, outH);
  SDL_Rect dest{(outW - kFieldWidth * factor) / 2, (outH - kFieldHeight * factor) / 2,
                kFieldWidth * factor, kFieldHeight * factor};
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
  if (on) SDL_GetWindowPosition(window_, &windowedX_, &windowedY_);
  if (on) SDL_GetWindowSize(window_, &windowedW_, &windowedH_);
  // A borderless window covering the desktop; the display mode stays as it is.
  if (SDL_SetWindowFullscreen(window_, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) return false;
  SDL_ShowCursor(on ? SDL_DISABLE : SDL_ENABLE);
  // Without a window manager nobody moves the window: put it on the desktop's
  // corner, and back where and as large as it was.
  SDL_Rect desk;
  if (on && SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &desk) == 0) {
    SDL_SetWindowPosition(window_, desk.x, desk.y);
  } else if (!on) {
    SDL_SetWindowSize(window_, windowedW_, windowedH_);
    SDL_SetWindowPosition(window_, windowedX_, windowedY_);
  }
  fullScreen_ = on;
  redrawAll_ = true;
  return true;
}

void SdlPlatform::SetWindowScale(int scale) {
  scale_ = ClampWindowScale(scale);
  if (!window_ || fullScreen_) return;
  int factor = scale_ > 0 ? scale_ : AutomaticScale();
  SDL_SetWindowSize(window_, kFieldWidth * factor, kFieldHeight * factor);
  redrawAll_ = true;
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
}

void SdlPlatform::ShowFatalError(const std::string& utf8) {
  std::fprintf(stderr, "mirutena: %s\n", utf8.c_str());
  if (window_)
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption_.c_str(), utf8.c_str(), window_);
}
