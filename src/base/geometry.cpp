// Rectangle overlap and direction angle.
#include "base/geometry.h"

#include <cmath>

bool RectsOverlap(const TRect& a, const TRect& b) {
  if (a.Right - a.Left < 0 || b.Right - b.Left < 0) return false;
  return a.Right > b.Left && b.Bottom > a.Top && a.Left < b.Right && a.Bottom > b.Top;
}

double AngleTo(int x1, int y1, int x2, int y2) {
  return std::atan2(static_cast<double>(y1 - y2), static_cast<double>(x2 - x1)) * 180.0 / M_PI;
}
