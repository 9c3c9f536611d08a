// Reading .bmp files into picture items: uncompressed 1-, 4-, 8-, 16-, 24- and
// 32-bit bitmaps, bottom-up or top-down, with the core and info headers. Every
// read is bounds-checked; anything else is rejected rather than guessed.
#include <string>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "media/picture_list.h"

namespace {

constexpr uint32_t kBiRgb = 0, kBiBitFields = 3, kBiAlphaBitFields = 6;
constexpr int64_t kMaxSide = 32768;

struct Reader {
  const std::vector<uint8_t>& B;
  bool Has(uint64_t at, uint64_t n) const { return at <= B.size() && n <= B.size() - at; }
  uint32_t U16(size_t at) const { return B[at] | (B[at + 1] << 8); }
  uint32_t U32(size_t at) const {
    return B[at] | (B[at + 1] << 8) | (B[at + 2] << 16) | (static_cast<uint32_t>(B[at + 3]) << 24);
  }
};

// One channel of a bit-field pixel, widened to 8 bits.
struct Field {
  uint32_t Mask = 0;
  int Shift = 0;
  uint32_t Max = 0;
  explicit Field(uint32_t mask) : Mask(mask) {
    if (!mask) return;
    while (!((mask >> Shift) & 1)) ++Shift;
    Max = mask >> Shift;
  }
  uint8_t Get(uint32_t p) const {
    if (!Max) return 0;
    const uint64_t v = (p & Mask) >> Shift;
    return static_cast<uint8_t>((v * 255 + Max / 2) / Max);
  }
};

}  // namespace

bool DecodeBmp(const std::vector<uint8_t>& bytes, int& width, int& height,
               std::vector<TRgb>& pixels) {
  std::string why;
  return DecodeBmp(bytes, width, height, pixels, why);
}

bool DecodeBmp(const std::vector<uint8_t>& bytes, int& width, int& height,
               std::vector<TRgb>& pixels, std::string& why) {
  why.clear();
  const Reader rd{bytes};
  if (!rd.Has(0, 18) || bytes[0] != 'B' || bytes[1] != 'M') return false;
  const uint32_t offBits = rd.U32(10);
  const uint32_t dibSize = rd.U32(14);
  int64_t w, h;
  uint32_t bits, compression = kBiRgb, clrUsed = 0;
  size_t entrySize;
  if (dibSize == 12) {
    if (!rd.Has(14, 12)) return false;
    w = rd.U16(18);
    h = static_cast<int16_t>(rd.U16(20));
    bits = rd.U16(24);
    entrySize = 3;
  } else if (dibSize >= 40 && dibSize <= 1024) {
    if (!rd.Has(14, dibSize)) return false;
    w = static_cast<int32_t>(rd.U32(18));
    h = static_cast<int32_t>(rd.U32(22));
    bits = rd.U16(28);
    compression = rd.U32(30);
    clrUsed = rd.U32(46);
    entrySize = 4;
  } else {
    return false;
  }
  const bool topDown = h < 0;
  if (topDown) h = -h;
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return false;
  if (w * h > kMaxPicturePixels) {
    why = std::to_string(w) + "x" + std::to_string(h) + " は大きすぎます (" +
          std::to_string(kMaxPicturePixels / 1000000) + " M ピクセルまで)";
    return false;
  }

  // Channel masks of 16- and 32-bit pictures.
  uint32_t masks[3] = {0, 0, 0};
  size_t tableAt = 14 + dibSize;  // palette or masks after the header
  if (bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  if (bits == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (compression == kBiBitFields || compression == kBiAlphaBitFields) {
    if (bits != 16 && bits != 32) return false;
    size_t at = 54;  // inside version 2+ headers, after the info header otherwise
    if (dibSize == 40) {
      at = tableAt;
      tableAt += compression == kBiAlphaBitFields ? 16 : 12;
    }
    if (!rd.Has(at, 12)) return false;
    for (int k = 0; k < 3; ++k) masks[k] = rd.U32(at + 4 * k);
  } else if (compression != kBiRgb) {
    return false;
  }

  std::vector<TRgb> palette;
  if (bits == 1 || bits == 4 || bits == 8) {
    uint64_t count = clrUsed ? clrUsed : (1u << bits);
    if (count > (1u << bits)) count = 1u << bits;
    const uint64_t fit = tableAt < bytes.size() ? (bytes.size() - tableAt) / entrySize : 0;
    if (count > fit) count = fit;
    if (count == 0) return false;
    palette.resize(count);
    for (size_t i = 0; i < count; ++i) {
      const size_t at = tableAt + i * entrySize;
      palette[i] = TRgb{bytes[at + 2], bytes[at + 1], bytes[at]};
    }
  } else if (bits != 16 && bits != 24 && bits != 32) {
    return false;
  }

  const uint64_t stride = ((static_cast<uint64_t>(w) * bits + 31) / 32) * 4;
  const uint64_t lastRow = (static_cast<uint64_t>(w) * bits + 7) / 8;
  if (offBits < 14 || !rd.Has(offBits, stride * (h - 1) + lastRow)) return false;

  const Field fr(masks[0]), fg(masks[1]), fb(masks[2]);
  std::vector<TRgb> out(static_cast<size_t>(w * h));
  for (int64_t r = 0; r < h; ++r) {
    const uint8_t* row = bytes.data() + offBits + stride * static_cast<uint64_t>(r);
    TRgb* dst = out.data() + (topDown ? r : h - 1 - r) * w;
    for (int64_t x = 0; x < w; ++x) {
      switch (bits) {
        case 1:
        case 4:
        case 8: {
          const uint64_t bit = static_cast<uint64_t>(x) * bits;
          const unsigned idx = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
          dst[x] = idx < palette.size() ? palette[idx] : TRgb{};
          break;
        }
        case 16: {
          const uint32_t p = row[2 * x] | (row[2 * x + 1] << 8);
          dst[x] = TRgb{fr.Get(p), fg.Get(p), fb.Get(p)};
          break;
        }
        case 24:
          dst[x] = TRgb{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
          break;
        default: {
          const uint8_t* q = row + 4 * x;
          const uint32_t p =
              q[0] | (q[1] << 8) | (q[2] << 16) | (static_cast<uint32_t>(q[3]) << 24);
          dst[x] = TRgb{fr.Get(p), fg.Get(p), fb.Get(p)};
        }
      }
    }
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  pixels = std::move(out);
  return true;
}

void LoadPictureFile(TPictureItem& item, const std::string& path) {
  std::string raw;
  const TReadResult read = ReadFileBytes(path, kMediaFileLimit, raw);
  if (read == TReadResult::Unreadable)
    throw GameError(FormatMessage("ファイル %s は開けません", path));
  if (read == TReadResult::Cut)
    throw GameError(FormatMessage("ファイル %s は大きすぎます (8 MiB まで)", path));
  std::vector<uint8_t> bytes(raw.begin(), raw.end());
  int w = 0, h = 0;
  std::vector<TRgb> pixels;
  std::string why;
  if (!DecodeBmp(bytes, w, h, pixels, why))
    throw GameError(why.empty() ? FormatMessage("ファイル %s はビットマップではありません", path)
                                : FormatMessage("ファイル %s: ", path) + why);
  SetPicturePixels(item, w, h, pixels);
}
