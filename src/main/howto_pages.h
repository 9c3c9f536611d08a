// The pages of あそびかた (how to play): each drawn with the game's own
// pictures — real prompt windows, enemies, bombs, the stage grid — and a few
// short lines of Japanese.
#pragma once

struct Game;
class TUi;

inline constexpr int kHowToPlayPages = 6;

// Draws page `page` (1..kHowToPlayPages) inside the panel the kit's frame
// holds; the screen and the title of the page are the caller's.
void DrawHowToPlayPage(Game& g, TUi& ui, int page);
// The page's title, UTF-8.
const char* HowToPlayPageTitle(int page);
