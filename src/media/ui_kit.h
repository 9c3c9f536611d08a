// The screens' shared drawing: text rows, panels in the menus' style, the
// hand that marks the chosen row, and TUi, which draws a screen's texts and
// records each text's box with the frame it must stay inside.
#pragma once
#include <string>
#include <vector>

#include "base/geometry.h"
#include "media/surface.h"

class IGlyphSource;
class TPictureList;
struct TPictureItem;

// CP932 text at (x, y) in a colour; the canvas keeps its own colour.
void DrawTextRow(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                 TRgb colour);
// The same over a copy one pixel down and right in the shadow colour, so it
// reads over busy pictures.
void DrawShadowedText(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                      TRgb colour, TRgb shadow);
// Half-width text ending at `right` (each character 6 pixels wide).
void DrawTextRowRight(Surface& s, IGlyphSource* glyphs, int right, int y, const std::string& sjis,
                      TRgb colour);

struct TPanelStyle {
  TRgb Fill;
  int Opacity = 255;  // of the fill, 0..255
  TRgb Frame;
  bool Framed = true;  // a one-pixel frame inside the panel's edge
};
// The menus' panel: the title menu's dark glass with a thin light frame.
inline constexpr TPanelStyle kMenuPanel{TRgb{0, 0, 16}, 150, TRgb{90, 110, 170}};
// The menus' colours: entries, the chosen entry, headings and key help.
inline constexpr TRgb kMenuText{235, 240, 250}, kMenuChosen{255, 220, 110};
inline constexpr TRgb kMenuHeading{255, 230, 120}, kMenuHelp{165, 175, 205};
inline constexpr TRgb kMenuRule{90, 110, 170};
// The gold of the title menu's entries, top to bottom.
inline constexpr TRgb kGoldTop{255, 246, 170}, kGoldBottom{240, 150, 30};
inline constexpr TRgb kSkyTop{220, 250, 255}, kSkyBottom{80, 170, 255};

// A panel: the area filled with the style's colour at its opacity, framed.
void DrawPanel(Surface& s, IGlyphSource* glyphs, TRect area, const TPanelStyle& style);

// The hand picture at (x + swing, y), swinging sideways with the frame count
// by up to `swing` pixels.
void DrawSelectionHand(Surface& s, TPictureList& pictures, int x, int y, int frameNo, int swing);

// The rows top..bottom of a picture (its first pattern) at (x, y), keyed as
// the picture is: a menu picture without its footer, say.
void DrawPictureRows(const TPictureItem& item, Surface& s, int x, int y, int top, int bottom);

// Width in pixels of a CP932 text in the 12 px font (the sum of the advances).
int TextWidth(IGlyphSource* glyphs, const std::string& sjis);

// A text the kit drew: its cells (the advances by the font's 12 rows), the
// box of its lit pixels (empty for blank text) and the frame it belongs in.
struct TUiText {
  TRect Cells, Ink, Frame;
  std::string Sjis;
};
// What the kit drew while Recording is set; tests walk the screens with it.
struct TUiRecord {
  bool Recording = false;
  std::vector<TUiText> Texts;
};
// True when the cells and the lit pixels of the text lie inside its frame.
bool FitsFrame(const TUiText& t);

// One screen's drawing through the kit. Texts are UTF-8 and belong to the
// frame in force: the whole surface at first, the inside of the last panel
// drawn, or one set with SetFrame.
class TUi {
 public:
  TUi(Surface& s, IGlyphSource* glyphs, TPictureList& pictures, int frameNo, TUiRecord& record);

  void SetFrame(TRect frame) { frame_ = frame; }
  TRect Frame() const { return frame_; }
  // A panel (the menus' style unless given); the texts after it belong inside its frame.
  void Panel(TRect area, const TPanelStyle& style = kMenuPanel);

  // Text at (x, y); returns the x after it.
  int Text(int x, int y, const std::string& utf8, TRgb colour = kMenuText);
  int TextSjis(int x, int y, const std::string& sjis, TRgb colour);
  // Text over a shadow one pixel down and right (the shadow belongs to the text).
  int Shadowed(int x, int y, const std::string& utf8, TRgb colour, TRgb shadow = TRgb{0, 0, 0});
  int ShadowedSjis(int x, int y, const std::string& sjis, TRgb colour, TRgb shadow);
  // Text ending at `right`, or centred on the frame.
  void TextRight(int right, int y, const std::string& utf8, TRgb colour = kMenuText);
  void TextCentred(int y, const std::string& utf8, TRgb colour = kMenuText);
  // Text broken into lines that fit between x and the frame's right edge (at
  // spaces where it can, else between characters), `pitch` apart, at most
  // maxLines (the last ends with "…" when text is left); returns the y after.
  int Wrapped(int x, int y, const std::string& utf8, TRgb colour, int pitch, int maxLines);
  // The longest head of a UTF-8 text that fits `width` pixels, with "…" when cut.
  std::string Fit(const std::string& utf8, int width) const;
  int Width(const std::string& utf8) const;

  // Text in the menus' picture style: a colour running from `top` to
  // `bottom` down the letters, with a one-pixel dark edge, at `height` px.
  // Bold doubles each stroke one pixel to the right, as the menu pictures' letters.
  int Gradient(int x, int y, const std::string& utf8, int height, TRgb top, TRgb bottom,
               bool bold = false);
  // A heading in the menus' sky colours, centred on the frame, and the rule under it.
  void Heading(int y, const std::string& utf8);
  // A one-pixel rule across the frame (inset by `inset`) in the menus' line colour.
  void Rule(int y, int inset = 40);

  // A picture that carries words of its own (a prompt window): its box is
  // recorded as a text's, cells and pixels alike, against the frame.
  void RecordBox(TRect box, const std::string& sjis);

  // The selection mark: the hand left of a row whose text starts at y.
  void Hand(int x, int y, int swing = 5);

  Surface& Screen() { return s_; }
  IGlyphSource* Glyphs() const { return glyphs_; }

 private:
  void Record(int x, int y, const std::string& sjis, int extra);

  Surface& s_;
  IGlyphSource* glyphs_;
  TPictureList& pictures_;
  int frameNo_;
  TUiRecord& record_;
  TRect frame_;
};
