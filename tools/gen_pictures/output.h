// Writers of the picture generator: the catalog blob, 24-bit BMP files, PNG
// files and the review sheet, plus the check of each item against its table row.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "gen_pictures/fonts.h"
#include "gen_pictures/raster.h"
#include "media/catalog_table.h"

struct TItem {
  const TPictureSpec* Spec;
  TImage Img;  // empty (0 x 0) for items loaded from files at run time
};

bool WriteBlob(const std::string& path, const std::vector<TItem>& items, std::string& error);
bool WriteBmp(const std::string& path, const TImage& img, std::string& error);
bool WritePng(const std::string& path, const TImage& img, std::string& error);
// Writes an 8-bit RGB (or RGBA) PNG whose rows fillRow(y, row) fills.
bool WritePngRows(const std::string& path, int width, int height, bool alpha,
                  const std::function<void(int, uint8_t*)>& fillRow, std::string& error);
// Every item with its pattern grid and name on a neutral background.
// With a non-empty filter only the named items are drawn, zoom times larger.
TImage ContactSheet(TFonts& fonts, const std::vector<TItem>& items,
                    const std::vector<std::pair<std::string, TImage>>& extras,
                    const std::vector<std::string>& filter = {}, int zoom = 1);
// Size and key-colour use of an item; a message per fault, none when sound.
std::vector<std::string> CheckItem(const TItem& item);
