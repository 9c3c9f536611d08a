// SDL keys to the game's virtual-key codes. Letters and "-" follow the
// keyboard layout (SDL's key symbols), so AZERTY, QWERTZ, Dvorak and Colemak
// type what their keys show; a layout without Latin letters (Russian,
// Greek...) types the letter of the key's position instead. Function keys,
// arrows, Space, Escape, Backspace, Pause and the digits go by position.
#include <SDL.h>

#include "platform/sdl/sdl_platform.h"

namespace {

// The keys that are not typed, by position.
int VirtualKeyOfPosition(int scancode) {
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F5)
    return vk::F1 + (scancode - SDL_SCANCODE_F1);
  switch (scancode) {
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

}  // namespace

int VirtualKeyOfKey(int keycode, int scancode, bool minusOnSix) {
  if (const int code = VirtualKeyOfPosition(scancode)) return code;
  if (keycode >= SDLK_a && keycode <= SDLK_z) return vk::A + (keycode - SDLK_a);
  if (keycode == SDLK_MINUS || keycode == SDLK_KP_MINUS) return vk::Minus;
  // SDL names the number row 0..9 on every layout; on French AZERTY the
  // unshifted 6 key is "-".
  if (minusOnSix && scancode == SDL_SCANCODE_6) return vk::Minus;
  // Digits (names in the ranking) by position on the number row, whatever
  // the layout prints there unshifted, and from the keypad.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return vk::Digit0 + 1 + (scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0 || scancode == SDL_SCANCODE_KP_0) return vk::Digit0;
  if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9)
    return vk::Digit0 + 1 + (scancode - SDL_SCANCODE_KP_1);
  // A symbol that is no Latin character (and no special key): a layout of
  // another script, whose letter keys type the letters of their places.
  const bool otherScript = keycode >= 0x80 && (keycode & SDLK_SCANCODE_MASK) == 0;
  if (otherScript && scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return vk::A + (scancode - SDL_SCANCODE_A);
  return 0;
}

bool LayoutHasMinusOnSix() {
  // French AZERTY: A and Q trade places and the 6 key is "-".
  return SDL_GetKeyFromScancode(SDL_SCANCODE_Q) == SDLK_a &&
         SDL_GetKeyFromScancode(SDL_SCANCODE_M) != SDLK_m;
}
