// Loading the generated picture and sound blobs into the catalogs, item by
// item against the catalog table; a damaged blob changes nothing.
#include "media/builtin_catalog.h"

#include <cstring>

#include "base/sjis.h"
#include "media/catalog_table.h"

namespace {

class BlobReader {
 public:
  BlobReader(const uint8_t* data, size_t size) : d_(data), size_(data ? size : 0) {}
  size_t Left() const { return size_ - at_; }
  bool Magic(const char* tag) {
    if (Left() < 4 || std::memcmp(d_ + at_, tag, 4) != 0) return false;
    at_ += 4;
    return true;
  }
  bool U16(uint32_t& v) { return Int(v, 2); }
  bool U32(uint32_t& v) { return Int(v, 4); }
  bool Bytes(size_t n, const uint8_t*& p) {
    if (n > Left()) return false;
    p = d_ + at_;
    at_ += n;
    return true;
  }
  bool Name(std::string& s) {
    uint32_t n;
    const uint8_t* p;
    if (!U16(n) || !Bytes(n, p)) return false;
    s.assign(reinterpret_cast<const char*>(p), n);
    return true;
  }

 private:
  bool Int(uint32_t& v, int n) {
    if (Left() < static_cast<size_t>(n)) return false;
    v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | d_[at_ + i];
    at_ += n;
    return true;
  }
  const uint8_t* d_;
  size_t size_;
  size_t at_ = 0;
};

std::string ItemLabel(size_t index, const char* name) {
  return "item " + std::to_string(index) + " (" + name + ")";
}

}  // namespace

bool LoadBuiltInPictures(TPictureList& list, const uint8_t* data, size_t size, std::string& error) {
  BlobReader r(data, size);
  uint32_t count;
  if (!r.Magic("MRTP") || !r.U32(count)) {
    error = "picture blob: bad header";
    return false;
  }
  if (count != kPictureSpecs.size()) {
    error = "picture blob: " + std::to_string(count) + " items, expected " +
            std::to_string(kPictureSpecs.size());
    return false;
  }
  std::vector<TPictureItem> items(count);
  for (size_t i = 0; i < count; ++i) {
    const TPictureSpec& spec = kPictureSpecs[i];
    std::string name;
    uint32_t w, h;
    if (!r.Name(name) || !r.U32(w) || !r.U32(h)) {
      error = "picture blob: truncated at " + ItemLabel(i, spec.Name);
      return false;
    }
    if (name != spec.Name) {
      error = "picture blob: " + ItemLabel(i, spec.Name) + " is named '" + name + "'";
      return false;
    }
    if (w != static_cast<uint32_t>(spec.Width) || h != static_cast<uint32_t>(spec.Height)) {
      error = "picture blob: " + ItemLabel(i, spec.Name) + " is " + std::to_string(w) + "x" +
              std::to_string(h) + ", expected " + std::to_string(spec.Width) + "x" +
              std::to_string(spec.Height);
      return false;
    }
    const uint8_t* px;
    const size_t n = static_cast<size_t>(w) * h;
    if (!r.Bytes(n * 3, px)) {
      error = "picture blob: pixels of " + ItemLabel(i, spec.Name) + " cut short";
      return false;
    }
    TPictureItem& item = items[i];
    item.Name = Sjis(spec.Name);
    item.PatternWidth = spec.PatternWidth;
    item.PatternHeight = spec.PatternHeight;
    item.Transparent = spec.Transparent;
    item.TransparentColor = TRgb{spec.KeyR, spec.KeyG, spec.KeyB};
    std::vector<TRgb> pixels(n);
    for (size_t k = 0; k < n; ++k) pixels[k] = TRgb{px[3 * k], px[3 * k + 1], px[3 * k + 2]};
    SetPicturePixels(item, static_cast<int>(w), static_cast<int>(h), pixels);
    RestorePicture(item);
    const int expected = spec.Width > 0 ? spec.Patterns : 0;
    if (item.PatternCount() != expected) {
      error = "picture blob: " + ItemLabel(i, spec.Name) + " cuts into " +
              std::to_string(item.PatternCount()) + " patterns, expected " +
              std::to_string(expected);
      return false;
    }
  }
  if (r.Left() != 0) {
    error = "picture blob: " + std::to_string(r.Left()) + " bytes after the last item";
    return false;
  }
  list.Items = std::move(items);
  return true;
}

bool LoadBuiltInSounds(TWaveList& waves, const uint8_t* data, size_t size, std::string& error) {
  BlobReader r(data, size);
  uint32_t count;
  if (!r.Magic("MRTS") || !r.U32(count)) {
    error = "sound blob: bad header";
    return false;
  }
  if (count != kSoundSpecs.size()) {
    error = "sound blob: " + std::to_string(count) + " items, expected " +
            std::to_string(kSoundSpecs.size());
    return false;
  }
  std::vector<TWaveItem> items(count);
  for (size_t i = 0; i < count; ++i) {
    const TSoundSpec& spec = kSoundSpecs[i];
    std::string name;
    uint32_t channels, rate, bits, bytes;
    const uint8_t* pcm;
    if (!r.Name(name) || !r.U16(channels) || !r.U32(rate) || !r.U16(bits) || !r.U32(bytes)) {
      error = "sound blob: truncated at " + ItemLabel(i, spec.Name);
      return false;
    }
    if (name != spec.Name) {
      error = "sound blob: " + ItemLabel(i, spec.Name) + " is named '" + name + "'";
      return false;
    }
    if (channels != static_cast<uint32_t>(spec.Channels) ||
        rate != static_cast<uint32_t>(spec.Rate) || bits != static_cast<uint32_t>(spec.Bits) ||
        bytes != static_cast<uint32_t>(spec.Bytes)) {
      error = "sound blob: " + ItemLabel(i, spec.Name) + " has format " + std::to_string(channels) +
              " ch " + std::to_string(rate) + " Hz " + std::to_string(bits) + " bit " +
              std::to_string(bytes) + " bytes";
      return false;
    }
    if (!r.Bytes(bytes, pcm)) {
      error = "sound blob: samples of " + ItemLabel(i, spec.Name) + " cut short";
      return false;
    }
    TWaveItem& item = items[i];
    item.Name = spec.Name;
    item.Format = TWaveFormat{spec.Channels, spec.Rate, spec.Bits};
    item.Data.assign(pcm, pcm + bytes);
  }
  if (r.Left() != 0) {
    error = "sound blob: " + std::to_string(r.Left()) + " bytes after the last item";
    return false;
  }
  waves.Items = std::move(items);
  return true;
}
