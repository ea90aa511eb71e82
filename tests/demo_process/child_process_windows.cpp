// CreateProcess with files for the child's output, and the wait with a time limit.
#include "child_process.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/file_contents.h"

namespace brisa_test {

namespace {

// An environment block: NAME=value entries, each ended by a NUL, then one more NUL.
std::vector<char> EnvironmentBlock(const ChildEnvironment& environment) {
  std::vector<char> block;
  for (const std::string& entry : ChildEnvironmentEntries(environment)) {
    block.insert(block.end(), entry.begin(), entry.end());
    block.push_back('\0');
  }
  block.push_back('\0');
  return block;
}

HANDLE OpenInherited(const std::string& path, DWORD access, DWORD disposition) {
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  return CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                     disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& program, const ChildEnvironment& environment)
    : outPath_(MakeTempFile("brisa-out")),
      errPath_(MakeTempFile("brisa-err")),
      started_(std::chrono::steady_clock::now()) {
  HANDLE input = OpenInherited("NUL", GENERIC_READ, OPEN_EXISTING);
  HANDLE output = OpenInherited(outPath_, GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE errors = OpenInherited(errPath_, GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = errors;
  std::vector<char> block = EnvironmentBlock(environment);
  StartWithRetries([&] {
    std::string commandLine = "\"" + program + "\"";
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, block.data(), nullptr,
                        &startup, &info)) {
      startFailure_ = "CreateProcess failed on " + program + ": error " + std::to_string(GetLastError()) + "\n";
      return false;
    }
    process_ = info.hProcess;
    CloseHandle(info.hThread);
    startFailure_.clear();
    return true;
  });
  CloseHandle(input);
  CloseHandle(output);
  CloseHandle(errors);
}

ChildProcess::~ChildProcess() {
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  if (process_ != nullptr) CloseHandle(process_);
  std::remove(outPath_.c_str());
  std::remove(errPath_.c_str());
}

bool ChildProcess::Running() { return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

unsigned long ChildProcess::Id() const { return process_ != nullptr ? GetProcessId(process_) : 0; }

ChildResult ChildProcess::Wait(int timeoutSeconds) {
  const auto deadline = started_ + std::chrono::seconds(timeoutSeconds);
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  ChildResult result;
  std::string waitFailure;
  const DWORD waited =
      process_ != nullptr ? WaitForSingleObject(process_, static_cast<DWORD>(std::max<long long>(0, left.count())))
                          : WAIT_FAILED;
  if (waited == WAIT_OBJECT_0) {
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    result.exited = true;
    result.exitCode = static_cast<int>(code);
  } else if (process_ != nullptr) {
    if (waited == WAIT_FAILED) waitFailure = "the wait failed: error " + std::to_string(GetLastError()) + "\n";
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, INFINITE);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
  result.out = ReadFile(outPath_);
  result.err = ReadFile(errPath_) + startFailure_ + waitFailure;
  return result;
}

int RunCommand(const std::string& commandLine) { return std::system(commandLine.c_str()); }

}  // namespace brisa_test
