// Reads the plain-text score into a Song: samples, phrases, 64-row patterns and the order list.
#pragma once

#include <stdexcept>
#include <string>

#include "tools/composer/song.h"

namespace composer {

// A fault in the score, with the line it was found on (0 when it concerns the whole score).
class ScoreError : public std::runtime_error {
 public:
  ScoreError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
  int line() const { return line_; }

 private:
  int line_;
};

Song ParseScore(const std::string& text);

}  // namespace composer
