// The size of the game's screen surface and field, in pixels: everything is
// laid out on it, and the window scales it whole.
#pragma once

inline constexpr int kFieldWidth = 430;
inline constexpr int kFieldHeight = 400;
