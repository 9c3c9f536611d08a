// The hand-drawn shapes of the prompt window's letters: A to Z, '-' and the
// hidden-letter mark as 8 x 12 pixel cores with two-pixel strokes.
#pragma once
#include <array>
#include <string>

constexpr int kWindowLetterWidth = 8, kWindowLetterHeight = 12;

// The rows of a letter's core ('#' ink, '.' paper), or false when the letter
// has no hand-drawn shape.
bool WindowLetterShape(const std::string& letter,
                       std::array<std::string, kWindowLetterHeight>& rows);
