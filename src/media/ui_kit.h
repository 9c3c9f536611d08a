// The screens' shared drawing: text rows in a colour (with or without a
// shadow), a translucent panel with a frame, and the hand that marks the
// chosen row. Each screen passes its own colours and places.
#pragma once
#include <string>

#include "base/geometry.h"
#include "media/surface.h"

class IGlyphSource;
class TPictureList;

// CP932 text at (x, y) in a colour; the canvas keeps its own colour.
void DrawTextRow(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                 TRgb colour);
// The same over a copy one pixel down and right in the shadow colour, so it
// reads over busy pictures.
void DrawShadowedText(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                      TRgb colour, TRgb shadow);
// Half-width text ending at `right` (each character 6 pixels wide).
void DrawTextRowRight(Surface& s, IGlyphSource* glyphs, int right, int y, const std::string& sjis,
                      TRgb colour);

struct TPanelStyle {
  TRgb Fill;
  int Opacity = 255;  // of the fill, 0..255
  TRgb Frame;
  bool Framed = true;  // a one-pixel frame inside the panel's edge
};
// A panel: the area filled with the style's colour at its opacity, framed.
void DrawPanel(Surface& s, IGlyphSource* glyphs, TRect area, const TPanelStyle& style);

// The hand picture at (x + swing, y), swinging sideways with the frame count
// by up to `swing` pixels.
void DrawSelectionHand(Surface& s, TPictureList& pictures, int x, int y, int frameNo, int swing);
