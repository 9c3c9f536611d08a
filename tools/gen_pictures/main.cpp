// The picture generator: draws every picture of the built-in catalog, the
// letter and backdrop bitmaps, and optionally a review sheet.
//   gen_pictures [--blob FILE] [--abc DIR] [--icons DIR] [--backdrops DIR]
//                [--sheet FILE.png [--only a,b,c] [--zoom N]]
// --backdrops writes the stage backdrops as DIR/haikei_<terrain>.bmp.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "gen_pictures/art.h"
#include "gen_pictures/backdrops.h"
#include "gen_pictures/icon.h"
#include "gen_pictures/output.h"

namespace {

int Fail(const std::string& message) {
  fprintf(stderr, "gen_pictures: %s\n", message.c_str());
  return 1;
}

// The abc file names: letters A..Z, "-", "＊" and the backdrop tiles.
std::vector<std::string> LetterNames() {
  std::vector<std::string> names;
  for (char c = 'A'; c <= 'Z'; ++c) names.push_back(std::string(1, c));
  names.push_back("-");
  names.push_back("＊");
  return names;
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    if (comma > start) out.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string blobPath, abcDir, sheetPath, iconDir, backdropDir;
  std::vector<std::string> only;  // review: draw only these items on the sheet
  int zoom = 1;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 < argc && arg == "--blob")
      blobPath = argv[++i];
    else if (i + 1 < argc && arg == "--abc")
      abcDir = argv[++i];
    else if (i + 1 < argc && arg == "--icons")
      iconDir = argv[++i];
    else if (i + 1 < argc && arg == "--backdrops")
      backdropDir = argv[++i];
    else if (i + 1 < argc && arg == "--sheet")
      sheetPath = argv[++i];
    else if (i + 1 < argc && arg == "--only")
      only = Split(argv[++i]);
    else if (i + 1 < argc && arg == "--zoom")
      zoom = atoi(argv[++i]);
    else
      return Fail(
          "usage: gen_pictures [--blob FILE] [--abc DIR] [--icons DIR] [--backdrops DIR] [--sheet "
          "FILE.png [--only a,b] [--zoom N]]");
  }

  TFonts fonts;
  std::string error;
  if (!fonts.Open(error)) return Fail(error);
  TArt art{fonts};

  std::vector<TItem> items;
  std::vector<std::string> faults;
  for (const TPictureSpec& spec : kPictureSpecs) {
    TItem item{&spec, {}};
    if (spec.Width > 0) {
      TRaster r;
      if (!DrawCatalogItem(art, spec, r)) return Fail(std::string("no drawing for ") + spec.Name);
      item.Img = Flatten(r, {spec.KeyR, spec.KeyG, spec.KeyB}, spec.Transparent);
    }
    for (const std::string& f : CheckItem(item)) faults.push_back(f);
    items.push_back(std::move(item));
  }

  // The stage backdrops: a catalog row of the same name must have the same
  // figures; those the catalog does not list yet are drawn beside it.
  std::vector<TItem> backdrops;
  for (const TPictureSpec& spec : kBackdropSpecs) {
    const TItem* listed = nullptr;
    for (const TItem& item : items)
      if (std::strcmp(item.Spec->Name, spec.Name) == 0) listed = &item;
    const TPictureSpec& s = listed ? *listed->Spec : spec;
    if (s.Width != spec.Width || s.Height != spec.Height || s.PatternWidth != spec.PatternWidth ||
        s.PatternHeight != spec.PatternHeight || s.Patterns != spec.Patterns || s.Transparent)
      faults.push_back(std::string("the catalog row of ") + spec.Name +
                       " differs from its drawing");
    if (listed) {
      backdrops.push_back(*listed);
      continue;
    }
    TRaster r;
    if (!DrawCatalogItem(art, spec, r)) return Fail(std::string("no drawing for ") + spec.Name);
    TItem item{&spec, Flatten(r, {spec.KeyR, spec.KeyG, spec.KeyB}, false)};
    for (const std::string& f : CheckItem(item)) faults.push_back(f);
    backdrops.push_back(std::move(item));
  }

  // The letter and tile files; letters are keyed on black like their items.
  std::vector<std::pair<std::string, TImage>> files;
  for (const std::string& name : LetterNames()) {
    TImage img = Flatten(DrawLetter(art, name), {0, 0, 0}, true);
    if (img.W != 10 || img.H != 14) faults.push_back("letter " + name + " is not 10x14");
    files.push_back({name, std::move(img)});
  }
  for (const std::string& name : TileNames()) {
    TImage img = Flatten(DrawTile(name), {0, 0, 0}, false);
    if (img.W != 40 || img.H != 40) faults.push_back("tile " + name + " is not 40x40");
    files.push_back({name, std::move(img)});
  }

  for (const std::string& f : faults) fprintf(stderr, "gen_pictures: %s\n", f.c_str());
  if (!faults.empty()) return 1;

  if (!blobPath.empty() && !WriteBlob(blobPath, items, error)) return Fail(error);
  if (!abcDir.empty())
    for (const auto& [name, img] : files)
      if (!WriteBmp(abcDir + "/" + name + ".bmp", img, error)) return Fail(error);
  if (!backdropDir.empty())
    for (const TItem& item : backdrops)
      if (!WriteBmp(backdropDir + "/" + item.Spec->Name + ".bmp", item.Img, error))
        return Fail(error);
  // The desktop icon at the sizes of the hicolor theme: DIR/mirutena-N.png.
  if (!iconDir.empty())
    for (int size : {16, 24, 32, 48, 64, 128, 256})
      if (!WritePngRgba(iconDir + "/mirutena-" + std::to_string(size) + ".png", DrawIcon(art, size),
                        error))
        return Fail(error);
  if (!sheetPath.empty() &&
      !WritePng(sheetPath, ContactSheet(fonts, items, files, only, zoom), error))
    return Fail(error);
  return 0;
}
