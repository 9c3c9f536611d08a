// Physical keys (SDL scancodes) to the game's virtual-key codes. Scancodes name
// positions on the keyboard, so typing works with any layout and while an
// input method is active.
#include <SDL.h>

#include "platform/sdl/sdl_platform.h"

int VirtualKeyOfScancode(int scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return vk::A + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F5)
    return vk::F1 + (scancode - SDL_SCANCODE_F1);
  switch (scancode) {
    case SDL_SCANCODE_MINUS:
      return vk::Minus;
    case SDL_SCANCODE_SPACE:
      return vk::Space;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
      return vk::Return;
    case SDL_SCANCODE_LEFT:
      return vk::Left;
    case SDL_SCANCODE_UP:
      return vk::Up;
    case SDL_SCANCODE_RIGHT:
      return vk::Right;
    case SDL_SCANCODE_DOWN:
      return vk::Down;
    case SDL_SCANCODE_ESCAPE:
      return vk::Escape;
    case SDL_SCANCODE_BACKSPACE:
      return vk::Backspace;
    case SDL_SCANCODE_PAUSE:
      return vk::Pause;
    case SDL_SCANCODE_TAB:
      return vk::Tab;
    default:
      return 0;
  }
}
