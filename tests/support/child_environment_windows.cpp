// The child's environment: every inherited variable the changes do not name, then the values they set.
#include "support/child_environment.h"

#include <windows.h>

namespace brisa_test {

std::vector<std::string> ChildEnvironmentEntries(const ChildEnvironment& changes) {
  std::vector<std::string> entries;
  char* const block = GetEnvironmentStringsA();
  // Entries such as "=C:=C:\..." start with '=': they name no variable and are always passed on.
  for (const char* entry = block; *entry != '\0'; entry += std::char_traits<char>::length(entry) + 1) {
    const std::string text = entry;
    const size_t nameEnd = text.find('=', 1);
    if (changes.count(text.substr(0, nameEnd)) == 0) entries.push_back(text);
  }
  FreeEnvironmentStringsA(block);
  for (const auto& [name, value] : changes) {
    if (value) entries.push_back(name + "=" + *value);
  }
  return entries;
}

}  // namespace brisa_test
