// Drawing of the practice screens: the list menu, the field's live measures
// and the result panel.
#pragma once

struct Game;

void DrawPracticeMenu(Game& g);
void DrawPracticeHud(Game& g);
void DrawPracticeResult(Game& g);
