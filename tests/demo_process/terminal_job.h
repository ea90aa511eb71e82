// A program run as the foreground job of a pseudo-terminal, under a small parent that waits for it as a shell does.
#pragma once

#include <termios.h>
#include <sys/types.h>

#include <optional>
#include <string>

#include "support/child_environment.h"

namespace brisa_test {

// The parent leads the terminal's session and reports each change of the job's state, so that a
// stop from the terminal really stops the job (a job whose parent is outside its session would not).
class TerminalJob {
 public:
  TerminalJob(const std::string& program, const ChildEnvironment& environment);
  ~TerminalJob();
  TerminalJob(const TerminalJob&) = delete;
  TerminalJob& operator=(const TerminalJob&) = delete;

  // False when no pseudo-terminal could be had or the job did not start.
  bool Started() const { return job_ > 0; }
  // The terminal settings the job sees.
  termios Settings() const;
  // Waits until `done` holds for the settings; false when `timeoutSeconds` ran out.
  bool WaitForSettings(bool (*done)(const termios&), int timeoutSeconds);
  // Waits until the job has written `text`; false when `timeoutSeconds` ran out.
  bool WaitForOutput(const std::string& text, int timeoutSeconds);
  // Bytes typed at the terminal, so that its control characters act as they would from a keyboard.
  void Type(const std::string& bytes) const;
  void Signal(int signalNumber) const;
  // The job's next change of state as waitpid reports it (stopped, continued, exited or killed);
  // nullopt when `timeoutSeconds` ran out.
  std::optional<int> NextStatus(int timeoutSeconds);
  // Everything the job wrote so far, as the terminal passed it on.
  const std::string& Output();

 private:
  void Drain(int waitMilliseconds);

  int master_ = -1;
  int slave_ = -1;
  int statusPipe_ = -1;
  pid_t parent_ = -1;
  pid_t job_ = -1;
  bool ended_ = false;
  std::string output_;
};

}  // namespace brisa_test
