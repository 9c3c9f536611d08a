// The catalog rows of the stage backdrops: one "haikei_<terrain>" picture for
// each terrain of the scripts, drawn by DrawBackdropItem (art.h).
#pragma once
#include <array>

#include "media/catalog_table.h"

// In the order of TileNames(): blue, grass, sand, night, brick, sea, snow,
// lava, metal. Each is one opaque 40 x 40 pattern, tiled and scrolled as
// "haikei" is.
extern const std::array<TPictureSpec, 9> kBackdropSpecs;
