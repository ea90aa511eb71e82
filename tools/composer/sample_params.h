// The key=value parameters of one sample, read with defaults; a key no synthesizer reads is a fault.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "tools/composer/song.h"

namespace composer {

class SampleParams {
 public:
  explicit SampleParams(const SampleSpec& spec) : spec_(spec) {}

  // A number within [low, high]; the fallback when the score leaves the key out.
  double Number(const std::string& key, double fallback, double low, double high);
  // One of the allowed words; the first allowed word when the score leaves the key out.
  std::string Word(const std::string& key, const std::vector<std::string>& allowed);
  // A note name such as "C-3"; the fallback when left out.
  int Note(const std::string& key, int fallback);
  // Throws when the score gives a key that nothing read.
  void CheckAllUsed() const;

 private:
  const std::string* Find(const std::string& key);
  [[noreturn]] void Fail(const std::string& message) const;

  const SampleSpec& spec_;
  std::set<std::string> used_;
};

}  // namespace composer
