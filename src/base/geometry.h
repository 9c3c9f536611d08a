// Rectangles and the two geometry helpers shared by enemies, bombs and prompt windows.
#pragma once

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Empty() const { return Right <= Left || Bottom <= Top; }
};

inline TRect MakeRect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }

// True when the rectangles share an area; rectangles that only touch along an
// edge do not overlap, and one with a negative width never overlaps.
bool RectsOverlap(const TRect& a, const TRect& b);

// Direction from (x1, y1) to (x2, y2) in degrees, 0 to the right and 90 upwards
// on the screen (y grows downwards), in -180..180.
double AngleTo(int x1, int y1, int x2, int y2);
