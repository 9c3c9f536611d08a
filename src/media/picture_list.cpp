// The picture catalog: lookup, slicing pictures into patterns, setting
// pictures from RGB pixels, and drawing patterns with the item's key colour.
#include "media/picture_list.h"

#include <algorithm>

#include "base/game_error.h"
#include "media/blit.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// FNV-1a over the name's bytes with A-Z folded to a-z.
uint64_t FoldedHash(const std::string& name) {
  uint64_t h = 1469598103934665603ull;
  for (unsigned char c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
    h = (h ^ c) * 1099511628211ull;
  }
  return h;
}

// The pattern's rectangle, or nullptr when the number is not a pattern.
const TRect* PatternRect(const TPictureItem& item, int pattern) {
  if (pattern < 0 || pattern >= item.PatternCount()) return nullptr;
  return &item.Patterns[static_cast<size_t>(pattern)];
}

// The key is the item's colour converted like its pixels, read at every draw.
uint16_t ItemKey(const TPictureItem& item) {
  return RgbTo565(item.TransparentColor);
}

}  // namespace

TPictureItem* TPictureList::LinearFind(const std::string& name) {
  for (auto& item : Items)
    if (SameNameIgnoringCase(item.Name, name)) return &item;
  return nullptr;
}

void TPictureList::RebuildIndex() {
  index_.clear();
  index_.reserve(Items.size());
  for (size_t i = 0; i < Items.size(); ++i)
    index_.emplace_back(FoldedHash(Items[i].Name), static_cast<int>(i));
  std::sort(index_.begin(), index_.end());
  indexedCount_ = Items.size();
}

TPictureItem* TPictureList::TryFindPicture(const std::string& name) {
  if (indexedCount_ != Items.size()) RebuildIndex();
  const uint64_t h = FoldedHash(name);
  auto it = std::lower_bound(index_.begin(), index_.end(), std::make_pair(h, -1));
  // Equal hashes in resource order: the first of that name wins.
  for (; it != index_.end() && it->first == h; ++it) {
    TPictureItem& item = Items[static_cast<size_t>(it->second)];
    if (SameNameIgnoringCase(item.Name, name)) return &item;
  }
  TPictureItem* found = LinearFind(name);
  if (found) RebuildIndex();  // the table was stale
  return found;
}

TPictureItem& TPictureList::FindPicture(const std::string& name) {
  if (TPictureItem* item = TryFindPicture(name)) return *item;
  throw GameError(FormatMessage("画像 '%s' が見つかりません", name));
}

void TPictureList::RestorePictures() {
  for (auto& item : Items) RestorePicture(item);
}

void RestorePicture(TPictureItem& item) {
  item.Patterns.clear();
  const int64_t w = item.Picture.Width, h = item.Picture.Height;
  if (w <= 0 || h <= 0) return;
  item.Picture.KeyColor = ItemKey(item);
  const int64_t pw = item.PatternWidth > 0 ? item.PatternWidth : w;
  const int64_t ph = item.PatternHeight > 0 ? item.PatternHeight : h;
  if (pw == w && ph == h) {
    item.Patterns.push_back(TRect{0, 0, static_cast<int>(w), static_cast<int>(h)});
    return;
  }
  const int64_t sx = pw + item.SkipWidth, sy = ph + item.SkipHeight;
  if (sx <= 0 || sy <= 0) return;
  const int64_t cols = (w + item.SkipWidth) / sx, rows = (h + item.SkipHeight) / sy;
  if (cols <= 0 || rows <= 0 || pw > w || ph > h) return;
  for (int64_t r = 0; r < rows; ++r)
    for (int64_t c = 0; c < cols; ++c)
      item.Patterns.push_back(TRect{static_cast<int>(c * sx), static_cast<int>(r * sy),
                                    static_cast<int>(c * sx + pw), static_cast<int>(r * sy + ph)});
}

void SetPicturePixels(TPictureItem& item, int width, int height, const std::vector<TRgb>& pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height)) {
    ResizeSurface(item.Picture, 0, 0);
  } else {
    ResizeSurface(item.Picture, width, height);
    for (size_t i = 0; i < pixels.size(); ++i) item.Picture.Pixels[i] = RgbTo565(pixels[i]);
  }
  item.Picture.KeyColor = ItemKey(item);
}

void DrawPattern(const TPictureItem& item, Surface& dest, int x, int y, int pattern) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::Copy(dest, x, y, *r, item.Picture, item.Transparent, ItemKey(item));
}

void DrawPatternRun(const TPictureItem& item, Surface& dest, int x, int y, int pattern, int count,
                    int stepX, int stepY) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::Tile(dest, x, y, *r, item.Picture, item.Transparent, ItemKey(item), count, stepX, stepY);
}

void DrawPatternGrid(const TPictureItem& item, Surface& dest, int x, int y, int pattern,
                     int columns, int rows, int stepX, int stepY) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::TileGrid(dest, x, y, *r, item.Picture, item.Transparent, ItemKey(item), columns, rows,
                 stepX, stepY);
}

void StretchPattern(const TPictureItem& item, Surface& dest, TRect rect, int pattern) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::Scale(dest, rect, *r, item.Picture, item.Transparent, ItemKey(item), 255);
}

void BlendPattern(const TPictureItem& item, Surface& dest, TRect rect, int pattern, int opacity) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::Scale(dest, rect, *r, item.Picture, item.Transparent, ItemKey(item), opacity);
}

void RotatePattern(const TPictureItem& item, Surface& dest, int x, int y, int width, int height,
                   int pattern, double centerX, double centerY, int angle) {
  const TRect* r = PatternRect(item, pattern);
  if (!r) return;
  blit::Rotate(dest, x, y, width, height, *r, item.Picture, item.Transparent, ItemKey(item),
               centerX, centerY, angle);
}
