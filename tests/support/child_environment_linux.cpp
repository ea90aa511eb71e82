// The child's environment: every inherited variable the changes do not name, then the values they set.
#include "support/child_environment.h"

#include <unistd.h>

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

void ExecProgram(const std::string& program, const std::vector<std::string>& entries) {
  std::vector<char*> envp;
  for (const std::string& entry : entries) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
  execve(program.c_str(), argv, envp.data());
  _exit(127);
}

}  // namespace brisa_test
