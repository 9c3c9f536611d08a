// Presenting on X11 straight into the window. When the backdrop has
// scrolled, the window's picture is moved by the same step within the X
// server (a copy of the window onto itself, as terminals scroll), and only
// what else changed is scaled and sent. Sending less matters without a GPU
// (every sent pixel is converted, scaled and copied by the processor) and
// most over a remote desktop, where each frame's changes cross the network.
// The scaled changes go through memory shared with the server where it can
// (else in the requests themselves); the server's note that it has read them
// spares a round trip each frame.
#pragma once
#include <cstdint>
#include <memory>

struct SDL_Window;
struct SDL_SysWMmsg;

class X11Presenter {
 public:
  X11Presenter();
  ~X11Presenter();
  X11Presenter(const X11Presenter&) = delete;
  X11Presenter& operator=(const X11Presenter&) = delete;

  // False when the window is not an X11 one, or its pixels are not 32-bit
  // 0x00RRGGBB (the window surface then serves).
  bool Open(SDL_Window* window);
  // Frees what the server keeps for us; before the window and its connection
  // go.
  void Close();
  // Shows the w x h RGB565 picture at the largest whole scale that fits the
  // window, centred on black. redrawAll: everything again (after an
  // exposure, a change of size or of full screen).
  void Present(const uint16_t* pixels, int w, int h, bool redrawAll);
  // A window-system event SDL passed on: the server's note that it has read
  // the shared image (which may then be written again without waiting), or
  // that part of a copy within the window could not be made.
  void TakeEvent(const SDL_SysWMmsg& msg);

 private:
  struct TState;
  std::unique_ptr<TState> state_;
};
