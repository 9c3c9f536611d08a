// Row loops built for AVX2 and for the baseline instruction set; the loader
// picks one per function at start-up. Both builds compute the same integers.
#include "media/blit_rows.h"

#include "media/blit.h"

#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
#define MIRUTENA_ROW_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define MIRUTENA_ROW_CLONES
#endif

namespace blit {

MIRUTENA_ROW_CLONES
void KeyedCopyRow(uint16_t* d, const uint16_t* s, int n, uint16_t key) {
  for (int i = 0; i < n; ++i) {
    const uint16_t keep = static_cast<uint16_t>(-static_cast<uint16_t>(s[i] == key));
    d[i] = static_cast<uint16_t>((s[i] & ~keep) | (d[i] & keep));
  }
}

MIRUTENA_ROW_CLONES
void KeyedCopyRect(uint16_t* d, int64_t dStride, const uint16_t* s, int64_t sStride, int n, int h,
                   uint16_t key) {
  for (int y = 0; y < h; ++y, d += dStride, s += sStride) {
    for (int i = 0; i < n; ++i) {
      const uint16_t keep = static_cast<uint16_t>(-static_cast<uint16_t>(s[i] == key));
      d[i] = static_cast<uint16_t>((s[i] & ~keep) | (d[i] & keep));
    }
  }
}

MIRUTENA_ROW_CLONES
void BlendRow(uint16_t* d, const uint16_t* s, int n, uint16_t a) {
  for (int i = 0; i < n; ++i) d[i] = Blend565(s[i], d[i], a);
}

MIRUTENA_ROW_CLONES
void BlendKeyedRow(uint16_t* d, const uint16_t* s, int n, uint16_t a, uint16_t key) {
  for (int i = 0; i < n; ++i) d[i] = BlendKeyed565(s[i], d[i], a, key);
}

MIRUTENA_ROW_CLONES
void BlendColourRow(uint16_t* d, int n, uint16_t r, uint16_t g, uint16_t b, uint16_t a) {
  const auto rest = static_cast<uint16_t>(256 - a);
  // The colour's share of each channel is the same for every pixel.
  const auto ra = static_cast<uint16_t>(r * a), ga = static_cast<uint16_t>(g * a),
             ba = static_cast<uint16_t>(b * a);
  for (int i = 0; i < n; ++i) {
    const uint16_t p = d[i];
    const auto er = static_cast<uint16_t>(Expand5(p >> 11)),
               eg = static_cast<uint16_t>(Expand6((p >> 5) & 63)),
               eb = static_cast<uint16_t>(Expand5(p & 31));
    const auto mr = static_cast<uint16_t>(ra + static_cast<uint16_t>(er * rest));
    const auto mg = static_cast<uint16_t>(ga + static_cast<uint16_t>(eg * rest));
    const auto mb = static_cast<uint16_t>(ba + static_cast<uint16_t>(eb * rest));
    // (m >> 8) narrowed to 5-6-5 and put in place, in one mask or shift each.
    d[i] = static_cast<uint16_t>((mr & 0xF800u) | ((mg >> 5) & 0x07E0u) | (mb >> 11));
  }
}

}  // namespace blit
