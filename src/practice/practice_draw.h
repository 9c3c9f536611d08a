// Drawing of the practice screens: the list menu, the field's live measures
// and the result panel.
#pragma once
#include <string>

#include "base/geometry.h"

struct Game;

// The panels of the list menu and of the result, and the insides of their
// frames, where the practice goals draw their rows too.
inline constexpr TRect kPracticeMenuPanel{20, 10, 410, 390};
inline constexpr TRect kPracticeMenuInside{21, 11, 409, 389};
inline constexpr TRect kPracticeResultPanel{70, 84, 360, 312};
inline constexpr TRect kPracticeResultInside{71, 85, 359, 311};

void DrawPracticeMenu(Game& g);
void DrawPracticeHud(Game& g);
void DrawPracticeResult(Game& g);
// An own list's note ("file:line: message" or "file: message", UTF-8) as the
// menu shows it: the message in Japanese, the file name as it is. A note of
// a kind not known is returned as it came.
std::string PlayerNote(const std::string& note);
