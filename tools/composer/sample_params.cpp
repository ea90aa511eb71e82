// Typed, range-checked reading of a sample's parameters.
#include "tools/composer/sample_params.h"

#include <cstdlib>

#include "tools/composer/note_names.h"
#include "tools/composer/score_parser.h"

namespace composer {

const std::string* SampleParams::Find(const std::string& key) {
  used_.insert(key);
  const auto found = spec_.params.find(key);
  return found == spec_.params.end() ? nullptr : &found->second;
}

void SampleParams::Fail(const std::string& message) const {
  throw ScoreError(spec_.line, "sample '" + spec_.name + "': " + message);
}

double SampleParams::Number(const std::string& key, double fallback, double low, double high) {
  const std::string* text = Find(key);
  if (!text) return fallback;
  char* end = nullptr;
  const double value = std::strtod(text->c_str(), &end);
  if (end == text->c_str() || *end != '\0' || !(value >= low && value <= high))
    Fail(key + " must be a number from " + std::to_string(low) + " to " + std::to_string(high) +
         ", not '" + *text + "'");
  return value;
}

std::string SampleParams::Word(const std::string& key, const std::vector<std::string>& allowed) {
  const std::string* text = Find(key);
  if (!text) return allowed.front();
  for (const std::string& word : allowed)
    if (word == *text) return word;
  std::string list;
  for (const std::string& word : allowed) list += (list.empty() ? "" : ", ") + word;
  Fail(key + " must be one of " + list + ", not '" + *text + "'");
}

int SampleParams::Note(const std::string& key, int fallback) {
  const std::string* text = Find(key);
  if (!text) return fallback;
  const int note = ParseNoteName(*text);
  if (note == 0) Fail(key + " must be a note from C-1 to B-3, not '" + *text + "'");
  return note;
}

void SampleParams::CheckAllUsed() const {
  for (const auto& entry : spec_.params)
    if (!used_.count(entry.first)) Fail("no parameter '" + entry.first + "' for kind " + spec_.kind);
}

}  // namespace composer
