// Machine-readable reports of a run: one JSON line per frame for traces and
// one at the end with the outcome.
#pragma once
#include <cstdint>
#include <string>

struct Game;

// A real number in the shortest form that reads back to the same double
// ("null" for values JSON cannot hold).
std::string JsonNumber(double v);
// A JSON string literal of UTF-8 text; bytes that are not well-formed UTF-8
// are written as \u00XX so that the line stays valid JSON.
std::string JsonString(const std::string& bytes);

// Frame `frame` of the run: scene, stage, part, score, rate, clear timer,
// enemies, prompt windows, bombs, effect count and the sounds played since the
// play log was last emptied.
std::string TraceLine(const Game& g, int64_t frame);
// The run's outcome after `frames` frames.
std::string SummaryLine(const Game& g, int64_t frames);
