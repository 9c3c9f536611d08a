// The keyboard mapping of the SDL window: each letter key of AZERTY, QWERTZ,
// Dvorak and a Russian layout, given as the symbol and position SDL reports,
// types what the key shows (or, without Latin letters, its position's letter).
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "media/keyboard.h"
#include "platform/sdl/sdl_platform.h"

namespace {

// The letter-area positions in US order, row by row, and what each layout
// has there (unshifted). "?" marks a symbol that is no letter and no "-".
constexpr SDL_Scancode kPositions[] = {
    SDL_SCANCODE_Q,     SDL_SCANCODE_W,         SDL_SCANCODE_E,           SDL_SCANCODE_R,
    SDL_SCANCODE_T,     SDL_SCANCODE_Y,         SDL_SCANCODE_U,           SDL_SCANCODE_I,
    SDL_SCANCODE_O,     SDL_SCANCODE_P,         SDL_SCANCODE_LEFTBRACKET, SDL_SCANCODE_RIGHTBRACKET,
    SDL_SCANCODE_A,     SDL_SCANCODE_S,         SDL_SCANCODE_D,           SDL_SCANCODE_F,
    SDL_SCANCODE_G,     SDL_SCANCODE_H,         SDL_SCANCODE_J,           SDL_SCANCODE_K,
    SDL_SCANCODE_L,     SDL_SCANCODE_SEMICOLON, SDL_SCANCODE_APOSTROPHE,  SDL_SCANCODE_Z,
    SDL_SCANCODE_X,     SDL_SCANCODE_C,         SDL_SCANCODE_V,           SDL_SCANCODE_B,
    SDL_SCANCODE_N,     SDL_SCANCODE_M,         SDL_SCANCODE_COMMA,       SDL_SCANCODE_PERIOD,
    SDL_SCANCODE_SLASH, SDL_SCANCODE_MINUS,
};

struct Layout {
  const char* Name;
  // SDL's key symbols at kPositions (Latin-1 code points, one byte each).
  const char* Symbols;
  const char* Typed;  // what each key must type ('.' for nothing)
};

int Symbol(char c) {
  return static_cast<unsigned char>(c);
}

std::string TypedBy(const Layout& l, bool minusOnSix = false) {
  std::string typed;
  for (size_t i = 0; i < std::size(kPositions); ++i) {
    const int code = VirtualKeyOfKey(Symbol(l.Symbols[i]), kPositions[i], minusOnSix);
    if (code >= vk::A && code <= vk::Z)
      typed += static_cast<char>('A' + code - vk::A);
    else if (code == vk::Minus)
      typed += '-';
    else
      typed += code == 0 ? '.' : '!';
  }
  return typed;
}

TEST(SdlKeys, LettersFollowTheLayout) {
  const Layout layouts[] = {
      {"QWERTY", "qwertyuiop[]asdfghjkl;'zxcvbnm,./-", "QWERTYUIOP..ASDFGHJKL..ZXCVBNM...-"},
      // French AZERTY: A/Q and Z/W trade places, M sits right of L.
      {"AZERTY", "azertyuiop^$qsdfghjklm\xf9wxcvbn,;:!)", "AZERTYUIOP..QSDFGHJKLM.WXCVBN....."},
      // German QWERTZ: Y/Z trade places, "-" sits where "/" was; the umlauts
      // and sharp s are no letters to type.
      {"QWERTZ", "qwertzuiop\xfc+asdfghjkl\xf6\xe4yxcvbnm,.-\xdf",
       "QWERTZUIOP..ASDFGHJKL..YXCVBNM..-."},
      {"Dvorak", "',.pyfgcrl/=aoeuidhtns-;qjkxbmwvz[", "...PYFGCRL..AOEUIDHTNS-.QJKXBMWVZ."},
  };
  for (const Layout& l : layouts) EXPECT_EQ(TypedBy(l), l.Typed) << l.Name;
}

TEST(SdlKeys, OtherScriptsTypeThePositionsLetters) {
  // Russian ЙЦУКЕН: every letter key gives a Cyrillic symbol.
  const int cyrillic[] = {0x439, 0x446, 0x443, 0x43a, 0x435, 0x43d, 0x433, 0x448, 0x449,
                          0x437, 0x445, 0x44a, 0x444, 0x44b, 0x432, 0x430, 0x43f, 0x440,
                          0x43e, 0x43b, 0x434, 0x436, 0x44d, 0x44f, 0x447, 0x441, 0x43c,
                          0x438, 0x442, 0x44c, 0x431, 0x44e, '.',   '-'};
  std::string typed;
  for (size_t i = 0; i < std::size(kPositions); ++i) {
    const int code = VirtualKeyOfKey(cyrillic[i], kPositions[i]);
    typed += code >= vk::A && code <= vk::Z ? static_cast<char>('A' + code - vk::A)
             : code == vk::Minus            ? '-'
                                            : '.';
  }
  EXPECT_EQ(typed, "QWERTYUIOP..ASDFGHJKL..ZXCVBNM...-");
}

TEST(SdlKeys, KeysThatAreNotTypedGoByPosition) {
  // Whatever the layout calls them.
  EXPECT_EQ(VirtualKeyOfKey(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), vk::Escape);
  EXPECT_EQ(VirtualKeyOfKey('x', SDL_SCANCODE_SPACE), vk::Space);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_F3, SDL_SCANCODE_F3), vk::F3);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_UP, SDL_SCANCODE_UP), vk::Up);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), vk::Backspace);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_PAUSE, SDL_SCANCODE_PAUSE), vk::Pause);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_F6, SDL_SCANCODE_F6), 0);
  // Digits (names in the ranking) go by position, whatever the layout prints
  // there unshifted, except French AZERTY's 6, which is its "-"; the keypad's
  // digits are digits and its minus always is "-".
  EXPECT_EQ(VirtualKeyOfKey(SDLK_6, SDL_SCANCODE_6), vk::Digit0 + 6);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_AMPERSAND, SDL_SCANCODE_1), vk::Digit0 + 1);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_0, SDL_SCANCODE_0), vk::Digit0);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_KP_9, SDL_SCANCODE_KP_9), vk::Digit9);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_6, SDL_SCANCODE_6, true), vk::Minus);
  EXPECT_EQ(VirtualKeyOfKey(SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS), vk::Minus);
  // Special keys that SDL names by position never count as another script.
  EXPECT_EQ(VirtualKeyOfKey(SDLK_LCTRL, SDL_SCANCODE_LCTRL), 0);
}

}  // namespace
