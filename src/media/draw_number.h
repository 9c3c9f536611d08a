// Numbers drawn with the digit pictures of the catalog (patterns 0..9).
#pragma once
#include <string>

#include "media/picture_list.h"

void DrawDigits(TPictureList& list, Surface& dest, const std::string& item, int number, int x,
                int y, int gap);
void DrawDigitsPadded(TPictureList& list, Surface& dest, const std::string& item, int number,
                      int minDigits, int x, int y, int gap);
void DrawDigitsWithUnit(TPictureList& list, Surface& dest, const std::string& digitItem,
                        const std::string& unitItem, int number, int x, int y, int gap,
                        int unitOffset);
