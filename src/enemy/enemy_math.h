// Small numeric helpers of the enemy code: truncation to whole pixels and
// sine/cosine of angles given in degrees.
#pragma once
#include <climits>
#include <cmath>

namespace enemy_math {

// Whole pixels are held within +-2^30: far beyond the field, yet a size or an
// offset added to a clamped position cannot pass the int range.
inline constexpr int kTruncLimit = 1 << 30;

// Truncates toward zero; NaN gives 0 and values beyond +-2^30 clamp, so a
// runaway speed can never turn into undefined behaviour.
inline int Trunc(double x) {
  if (std::isnan(x)) return 0;
  if (x >= static_cast<double>(kTruncLimit)) return kTruncLimit;
  if (x <= -static_cast<double>(kTruncLimit)) return -kTruncLimit;
  return static_cast<int>(x);
}

inline double SinD(double degrees) {
  return std::sin(degrees * M_PI / 180.0);
}
inline double CosD(double degrees) {
  return std::cos(degrees * M_PI / 180.0);
}

}  // namespace enemy_math

using enemy_math::CosD;
using enemy_math::SinD;
using enemy_math::Trunc;
