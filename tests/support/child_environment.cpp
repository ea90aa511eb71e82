// The child's environment: every inherited variable the changes do not name, then the values they set.
#include "support/child_environment.h"

extern char** environ;

namespace brisa_test {

std::vector<std::string> ChildEnvironmentEntries(const ChildEnvironment& changes) {
  std::vector<std::string> entries;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (changes.count(text.substr(0, text.find('='))) == 0) entries.push_back(text);
  }
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

}  // namespace brisa_test
