// The error the game raises with one of its own messages (UTF-8 text). The
// frame loop reports it and goes on with the next frame.
#pragma once
#include <stdexcept>
#include <string>

class GameError : public std::runtime_error {
 public:
  explicit GameError(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern.
inline std::string FormatMessage(const std::string& pattern, const std::string& arg) {
  auto p = pattern.find("%s");
  if (p == std::string::npos) return pattern;
  return pattern.substr(0, p) + arg + pattern.substr(p + 2);
}
