// The screens' shared drawing: text rows, panels, the selection hand, and the
// kit's measuring and recording of every text it draws.
#include "media/ui_kit.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/sjis.h"
#include "media/blit.h"
#include "media/picture_list.h"
#include "media/text_canvas.h"

namespace {

constexpr int kFontHeight = 12;

// The CP932 characters of a text, one string each.
std::vector<std::string> SjisChars(const std::string& sjis) {
  std::vector<std::string> out;
  for (size_t i = 0; i < sjis.size();) {
    size_t n = IsSjisLead(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
    out.push_back(sjis.substr(i, n));
    i += n;
  }
  return out;
}

const TGlyph* GlyphOf(IGlyphSource* glyphs, const std::string& sjisChar) {
  if (!glyphs) return nullptr;
  std::u32string codes = SjisToUtf32(sjisChar);
  return codes.empty() ? nullptr : &glyphs->Glyph(codes[0], kFontHeight);
}

int CharWidth(IGlyphSource* glyphs, const std::string& sjisChar) {
  const TGlyph* g = GlyphOf(glyphs, sjisChar);
  return g ? g->Advance : 6 * static_cast<int>(sjisChar.size());
}

TRect Union(TRect a, TRect b) {
  if (a.Empty()) return b;
  if (b.Empty()) return a;
  return MakeRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                  std::max(a.Bottom, b.Bottom));
}

// The box of the lit pixels of a text drawn at (x, y).
TRect InkBox(IGlyphSource* glyphs, int x, int y, const std::string& sjis) {
  TRect ink;
  int pen = x;
  for (const std::string& ch : SjisChars(sjis)) {
    const TGlyph* g = GlyphOf(glyphs, ch);
    if (!g) continue;
    for (int row = 0; row < g->Rows; ++row)
      for (int col = 0; col < g->Width; ++col) {
        size_t at = static_cast<size_t>(row) * g->Width + col;
        if (at < g->Bits.size() && g->Bits[at]) {
          int px = pen + g->Left + col, py = y + g->Top + row;
          ink = Union(ink, MakeRect(px, py, px + 1, py + 1));
        }
      }
    pen += g->Advance;
  }
  return ink;
}

bool Inside(TRect inner, TRect outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

}  // namespace

void DrawTextRow(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                 TRgb colour) {
  TextCanvas& canvas = SurfaceCanvas(s, glyphs);
  TRgb saved = canvas.FontColor;
  canvas.FontColor = colour;
  canvas.TextOut(x, y, sjis);
  canvas.FontColor = saved;
  ReleaseCanvas(s);
}

void DrawShadowedText(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                      TRgb colour, TRgb shadow) {
  DrawTextRow(s, glyphs, x + 1, y + 1, sjis, shadow);
  DrawTextRow(s, glyphs, x, y, sjis, colour);
}

void DrawTextRowRight(Surface& s, IGlyphSource* glyphs, int right, int y, const std::string& sjis,
                      TRgb colour) {
  DrawTextRow(s, glyphs, right - 6 * static_cast<int>(sjis.size()), y, sjis, colour);
}

void DrawPanel(Surface& s, IGlyphSource* glyphs, TRect area, const TPanelStyle& style) {
  BlendFillArea(s, area, style.Fill, style.Opacity);
  if (!style.Framed) return;
  TextCanvas& canvas = SurfaceCanvas(s, glyphs);
  TRgb pen = canvas.PenColor;
  TBrushStyle brush = canvas.BrushStyle;
  canvas.PenColor = style.Frame;
  canvas.BrushStyle = TBrushStyle::Clear;
  canvas.Rectangle(area.Left, area.Top, area.Right, area.Bottom);
  canvas.PenColor = pen;
  canvas.BrushStyle = brush;
  ReleaseCanvas(s);
}

void DrawSelectionHand(Surface& s, TPictureList& pictures, int x, int y, int frameNo, int swing) {
  const int handX = x + static_cast<int>(swing * std::sin(frameNo / 3.0));
  DrawPattern(pictures.FindPicture("hand"), s, handX, y, 0);
}

void DrawPictureRows(const TPictureItem& item, Surface& s, int x, int y, int top, int bottom) {
  blit::Copy(s, x, y, MakeRect(0, top, item.PictureWidth(), bottom), item.Picture, item.Transparent,
             RgbTo565(item.TransparentColor));
}

int TextWidth(IGlyphSource* glyphs, const std::string& sjis) {
  int w = 0;
  for (const std::string& ch : SjisChars(sjis)) w += CharWidth(glyphs, ch);
  return w;
}

bool FitsFrame(const TUiText& t) {
  return Inside(t.Cells, t.Frame) && (t.Ink.Empty() || Inside(t.Ink, t.Frame));
}

TUi::TUi(Surface& s, IGlyphSource* glyphs, TPictureList& pictures, int frameNo, TUiRecord& record)
    : s_(s),
      glyphs_(glyphs),
      pictures_(pictures),
      frameNo_(frameNo),
      record_(record),
      frame_(MakeRect(0, 0, s.Width, s.Height)) {}

void TUi::Panel(TRect area, const TPanelStyle& style) {
  DrawPanel(s_, glyphs_, area, style);
  // Inside the one-pixel frame line.
  frame_ = MakeRect(area.Left + 1, area.Top + 1, area.Right - 1, area.Bottom - 1);
}

void TUi::Record(int x, int y, const std::string& sjis, int extra) {
  if (!record_.Recording || sjis.empty()) return;
  TUiText t;
  t.Cells = MakeRect(x, y, x + TextWidth(glyphs_, sjis) + extra, y + kFontHeight + extra);
  t.Ink = InkBox(glyphs_, x, y, sjis);
  if (extra > 0 && !t.Ink.Empty()) t.Ink.Right += extra, t.Ink.Bottom += extra;
  t.Frame = frame_;
  t.Sjis = sjis;
  record_.Texts.push_back(std::move(t));
}

int TUi::TextSjis(int x, int y, const std::string& sjis, TRgb colour) {
  DrawTextRow(s_, glyphs_, x, y, sjis, colour);
  Record(x, y, sjis, 0);
  return x + TextWidth(glyphs_, sjis);
}

int TUi::Text(int x, int y, const std::string& utf8, TRgb colour) {
  return TextSjis(x, y, Sjis(utf8), colour);
}

int TUi::ShadowedSjis(int x, int y, const std::string& sjis, TRgb colour, TRgb shadow) {
  DrawShadowedText(s_, glyphs_, x, y, sjis, colour, shadow);
  Record(x, y, sjis, 1);
  return x + TextWidth(glyphs_, sjis);
}

int TUi::Shadowed(int x, int y, const std::string& utf8, TRgb colour, TRgb shadow) {
  return ShadowedSjis(x, y, Sjis(utf8), colour, shadow);
}

void TUi::TextRight(int right, int y, const std::string& utf8, TRgb colour) {
  const std::string sjis = Sjis(utf8);
  TextSjis(right - TextWidth(glyphs_, sjis), y, sjis, colour);
}

void TUi::TextCentred(int y, const std::string& utf8, TRgb colour) {
  const std::string sjis = Sjis(utf8);
  TextSjis(frame_.Left + (frame_.Width() - TextWidth(glyphs_, sjis)) / 2, y, sjis, colour);
}

int TUi::Width(const std::string& utf8) const {
  return TextWidth(glyphs_, Sjis(utf8));
}

std::string TUi::Fit(const std::string& utf8, int width) const {
  const std::string sjis = Sjis(utf8);
  if (TextWidth(glyphs_, sjis) <= width) return utf8;
  const int room = width - TextWidth(glyphs_, Sjis("…"));
  std::string head;
  int w = 0;
  for (const std::string& ch : SjisChars(sjis)) {
    int cw = CharWidth(glyphs_, ch);
    if (w + cw > room) break;
    head += ch;
    w += cw;
  }
  return SjisToUtf8(head) + "…";
}

int TUi::Wrapped(int x, int y, const std::string& utf8, TRgb colour, int pitch, int maxLines) {
  const int width = frame_.Right - x;
  std::vector<std::string> chars = SjisChars(Sjis(utf8));
  size_t at = 0;
  for (int line = 0; line < maxLines && at < chars.size(); ++line) {
    // The longest run that fits; a break after a space is preferred.
    size_t end = at, lastSpace = 0;
    int w = 0;
    while (end < chars.size()) {
      int cw = CharWidth(glyphs_, chars[end]);
      if (w + cw > width) break;
      w += cw;
      if (chars[end] == " ") lastSpace = end + 1;
      ++end;
    }
    if (end == at) ++end;  // a character wider than the room still moves on
    if (end < chars.size() && lastSpace > at) end = lastSpace;
    std::string text;
    for (size_t k = at; k < end; ++k) text += chars[k];
    at = end;
    if (line == maxLines - 1 && at < chars.size()) {
      std::string rest = text;
      for (size_t k = at; k < chars.size(); ++k) rest += chars[k];
      text = Sjis(Fit(SjisToUtf8(rest), width));
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    TextSjis(x, y, text, colour);
    y += pitch;
    while (at < chars.size() && chars[at] == " ") ++at;
  }
  return y;
}

int TUi::Gradient(int x, int y, const std::string& utf8, int height, TRgb top, TRgb bottom,
                  bool bold) {
  const std::string sjis = Sjis(utf8);
  if (!glyphs_) return x;
  // The lit pixels first, so the edge can be drawn around all of them.
  std::vector<std::pair<int, int>> lit;
  int pen = x;
  for (const std::string& ch : SjisChars(sjis)) {
    std::u32string codes = SjisToUtf32(ch);
    if (codes.empty()) continue;
    const TGlyph& g = glyphs_->Glyph(codes[0], height);
    for (int row = 0; row < g.Rows; ++row)
      for (int col = 0; col < g.Width; ++col) {
        size_t at = static_cast<size_t>(row) * g.Width + col;
        if (at < g.Bits.size() && g.Bits[at]) {
          lit.push_back({pen + g.Left + col, y + g.Top + row});
          if (bold) lit.push_back({pen + g.Left + col + 1, y + g.Top + row});
        }
      }
    pen += g.Advance;
  }
  auto plot = [this](int px, int py, uint16_t c) {
    if (px >= 0 && py >= 0 && px < s_.Width && py < s_.Height) s_.At(px, py) = c;
  };
  const uint16_t edge = RgbTo565(TRgb{20, 12, 6});
  for (auto [px, py] : lit)
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) plot(px + dx, py + dy, edge);
  for (auto [px, py] : lit) {
    const int k = std::clamp(py - y, 0, height);
    auto mix = [&](uint8_t a, uint8_t b) { return static_cast<uint8_t>(a + (b - a) * k / height); };
    plot(px, py, RgbTo565(TRgb{mix(top.R, bottom.R), mix(top.G, bottom.G), mix(top.B, bottom.B)}));
  }
  if (record_.Recording && !sjis.empty()) {
    TUiText t;
    t.Cells = MakeRect(x - 1, y - 1, pen + 1, y + height + 1);
    for (auto [px, py] : lit) t.Ink = Union(t.Ink, MakeRect(px - 1, py - 1, px + 2, py + 2));
    t.Frame = frame_;
    t.Sjis = sjis;
    record_.Texts.push_back(std::move(t));
  }
  return pen;
}

void TUi::Heading(int y, const std::string& utf8) {
  const int height = 14;
  const int w = TextWidth(glyphs_, Sjis(utf8)) * height / kFontHeight;
  Gradient(frame_.Left + (frame_.Width() - w) / 2, y, utf8, height, kSkyTop, kSkyBottom);
  Rule(y + height + 6);
}

void TUi::Rule(int y, int inset) {
  FillArea(s_, MakeRect(frame_.Left + inset, y, frame_.Right - inset, y + 1), RgbTo565(kMenuRule));
}

void TUi::RecordBox(TRect box, const std::string& sjis) {
  if (!record_.Recording) return;
  record_.Texts.push_back(TUiText{box, box, frame_, sjis});
}

void TUi::Hand(int x, int y, int swing) {
  DrawSelectionHand(s_, pictures_, x, y - 6, frameNo_, swing);
}
