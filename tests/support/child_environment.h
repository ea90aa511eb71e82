// The environment a test hands to a program it runs as a child process.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brisa_test {

// Changes to this process's environment: a value sets the variable for the child, nullopt removes it.
using ChildEnvironment = std::map<std::string, std::optional<std::string>>;

// This process's environment with `changes` made, as NAME=value entries.
std::vector<std::string> ChildEnvironmentEntries(const ChildEnvironment& changes);

// POSIX only. In a forked child: replaces the process with `program`, run with no arguments and with
// `entries` as its whole environment; exits with 127 when it cannot be run.
[[noreturn]] void ExecProgram(const std::string& program, const std::vector<std::string>& entries);

}  // namespace brisa_test
