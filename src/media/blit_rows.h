// Innermost row loops of the drawing primitives: keyed copies and the
// per-channel blends over contiguous pixels, built twice (AVX2 and the
// baseline) and chosen once by the processor the game runs on.
#pragma once
#include <cstdint>

namespace blit {

// d[i] = s[i] where s[i] != key.
void KeyedCopyRow(uint16_t* d, const uint16_t* s, int n, uint16_t key);
// KeyedCopyRow over h rows of n pixels, the rows dStride and sStride apart.
void KeyedCopyRect(uint16_t* d, int64_t dStride, const uint16_t* s, int64_t sStride, int n, int h,
                   uint16_t key);
// d[i] = Blend565(s[i], d[i], a) for 0 <= a <= 256.
void BlendRow(uint16_t* d, const uint16_t* s, int n, uint16_t a);
// As BlendRow, leaving d[i] where s[i] is the key.
void BlendKeyedRow(uint16_t* d, const uint16_t* s, int n, uint16_t a, uint16_t key);
// Every pixel blended with the 8-bit colour (r, g, b) at 0 <= a <= 256.
void BlendColourRow(uint16_t* d, int n, uint16_t r, uint16_t g, uint16_t b, uint16_t a);

}  // namespace blit
