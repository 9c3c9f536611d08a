// Fills the picture and sound catalogs from the generated blobs and checks
// every item against the catalog table.
//
// Picture blob: "MRTP", u32 count; per item u16 name length, name (UTF-8),
// u32 width, u32 height, width*height RGB888 pixels (top row first).
// Sound blob: "MRTS", u32 count; per item u16 name length, name, u16
// channels, u32 rate, u16 bits, u32 byte count, the PCM bytes. All little-endian.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/picture_list.h"
#include "media/wave_list.h"

// False with a message when a blob is damaged or an item does not match its table row.
bool LoadBuiltInPictures(TPictureList& list, const uint8_t* data, size_t size, std::string& error);
bool LoadBuiltInSounds(TWaveList& waves, const uint8_t* data, size_t size, std::string& error);
