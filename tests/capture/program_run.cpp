// fork and exec with the child's output sent to files the parent reads back.
#include "program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/file_contents.h"

namespace show_capture {

namespace {

// The file's bytes, the file removed.
std::string TakeFile(const std::string& path) {
  std::string bytes = brisa_test::ReadFile(path);
  unlink(path.c_str());
  return bytes;
}

[[noreturn]] void ExecInFolder(const std::string& program, const std::vector<std::string>& arguments,
                               const std::string& folder, const std::string& outPath, const std::string& errPath) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const int out = open(outPath.c_str(), O_WRONLY | O_TRUNC);
  const int err = open(errPath.c_str(), O_WRONLY | O_TRUNC);
  const int in = open("/dev/null", O_RDONLY);
  if (out < 0 || err < 0 || in < 0 || chdir(folder.c_str()) != 0) _exit(127);
  dup2(in, 0);
  dup2(out, 1);
  dup2(err, 2);
  execv(program.c_str(), argv.data());
  _exit(127);
}

}  // namespace

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& folder) {
  const std::string outPath = brisa_test::MakeTempFile("capture-out");
  const std::string errPath = brisa_test::MakeTempFile("capture-err");
  const pid_t pid = fork();
  if (pid == 0) ExecInFolder(program, arguments, folder, outPath, errPath);
  int status = 0;
  ProgramRun run;
  if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  run.out = TakeFile(outPath);
  run.err = TakeFile(errPath);
  return run;
}

}  // namespace show_capture
