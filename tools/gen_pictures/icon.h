// The desktop icon of the program and an RGBA PNG writer for it.
#pragma once
#include <string>

#include "gen_pictures/art.h"

TRaster DrawIcon(TArt& art, int size);
bool WritePngRgba(const std::string& path, const TRaster& img, std::string& error);
