// Screenshots: a surface written as an 8-bit RGB PNG file.
#pragma once
#include <string>

#include "media/surface.h"

// False with a message when the file cannot be written.
bool WritePng(const Surface& s, const std::string& path, std::string& error);
