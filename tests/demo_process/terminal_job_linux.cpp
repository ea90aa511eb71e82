// The terminal job: a session-leading parent on the slave side, the program in its own foreground group.
#include "terminal_job.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utmp.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace brisa_test {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int ReadChunkBytes = 4096;
constexpr int SettingsPollMilliseconds = 20;
constexpr int OutputPollMilliseconds = 100;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return static_cast<int>(std::max<decltype(left)>(left, 0));
}

// A job started by a shell meets the default dispositions and an empty mask, whatever the test had.
void ResetSignals() {
  for (int signalNumber = 1; signalNumber < NSIG; ++signalNumber) signal(signalNumber, SIG_DFL);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

[[noreturn]] void ExecJob(const std::string& program, std::vector<std::string>& environment) {
  setpgid(0, 0);
  // A background group may not take the terminal unless it ignores this signal.
  signal(SIGTTOU, SIG_IGN);
  tcsetpgrp(STDIN_FILENO, getpid());
  ResetSignals();
  // A quit signal would otherwise leave a core file in the work folder.
  const rlimit noCoreFile{0, 0};
  setrlimit(RLIMIT_CORE, &noCoreFile);
  ExecProgram(program, environment);
}

// The job's pid first, then every status waitpid reports until the job has ended.
[[noreturn]] void LeadSession(int master, int slave, int statusPipe, const std::string& program,
                              std::vector<std::string>& environment) {
  close(master);
  if (login_tty(slave) != 0) _exit(126);
  const pid_t job = fork();
  if (job == 0) ExecJob(program, environment);
  setpgid(job, job);
  [[maybe_unused]] ssize_t written = write(statusPipe, &job, sizeof job);
  int status = 0;
  while (waitpid(job, &status, WUNTRACED | WCONTINUED) == job) {
    written = write(statusPipe, &status, sizeof status);
    if (WIFEXITED(status) || WIFSIGNALED(status)) break;
  }
  _exit(0);
}

// Pipe writes this small arrive whole.
bool ReadWithin(int fd, void* into, size_t bytes, int timeoutMilliseconds) {
  pollfd ready{fd, POLLIN, 0};
  if (poll(&ready, 1, timeoutMilliseconds) != 1) return false;
  return read(fd, into, bytes) == static_cast<ssize_t>(bytes);
}

}  // namespace

TerminalJob::TerminalJob(const std::string& program, const ChildEnvironment& environment) {
  std::vector<std::string> entries = ChildEnvironmentEntries(environment);
  int pipeEnds[2];
  if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0 || pipe2(pipeEnds, O_CLOEXEC) != 0) return;
  parent_ = fork();
  if (parent_ == 0) LeadSession(master_, slave_, pipeEnds[1], program, entries);
  close(pipeEnds[1]);
  statusPipe_ = pipeEnds[0];
  constexpr int StartMilliseconds = 10000;
  if (!ReadWithin(statusPipe_, &job_, sizeof job_, StartMilliseconds)) job_ = -1;
}

TerminalJob::~TerminalJob() {
  if (job_ > 0 && !ended_) kill(job_, SIGKILL);
  if (parent_ > 0) {
    kill(parent_, SIGKILL);
    waitpid(parent_, nullptr, 0);
  }
  for (int fd : {master_, slave_, statusPipe_}) {
    if (fd >= 0) close(fd);
  }
}

termios TerminalJob::Settings() const {
  termios settings{};
  tcgetattr(slave_, &settings);
  return settings;
}

bool TerminalJob::WaitForSettings(bool (*done)(const termios&), int timeoutSeconds) {
  const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
  while (!done(Settings())) {
    if (Clock::now() >= deadline) return false;
    Drain(SettingsPollMilliseconds);
  }
  return true;
}

bool TerminalJob::WaitForOutput(const std::string& text, int timeoutSeconds) {
  const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
  while (output_.find(text) == std::string::npos) {
    if (Clock::now() >= deadline) return false;
    Drain(std::min(OutputPollMilliseconds, MillisecondsLeft(deadline)));
  }
  return true;
}

void TerminalJob::Type(const std::string& bytes) const {
  [[maybe_unused]] const ssize_t written = write(master_, bytes.data(), bytes.size());
}

void TerminalJob::Signal(int signalNumber) const {
  if (job_ > 0 && !ended_) kill(job_, signalNumber);
}

std::optional<int> TerminalJob::NextStatus(int timeoutSeconds) {
  const auto deadline = Clock::now() + std::chrono::seconds(timeoutSeconds);
  int status = 0;
  // The output is drained meanwhile, so that a job writing a lot is never held up by the terminal.
  while (!ReadWithin(statusPipe_, &status, sizeof status, 0)) {
    if (Clock::now() >= deadline) return std::nullopt;
    Drain(std::min(OutputPollMilliseconds, MillisecondsLeft(deadline)));
  }
  if (WIFEXITED(status) || WIFSIGNALED(status)) ended_ = true;
  return status;
}

const std::string& TerminalJob::Output() {
  Drain(0);
  return output_;
}

void TerminalJob::Drain(int waitMilliseconds) {
  pollfd ready{master_, POLLIN, 0};
  int timeout = waitMilliseconds;
  while (poll(&ready, 1, timeout) == 1 && (ready.revents & POLLIN) != 0) {
    char chunk[ReadChunkBytes];
    const ssize_t got = read(master_, chunk, sizeof chunk);
    if (got <= 0) return;
    output_.append(chunk, static_cast<size_t>(got));
    timeout = 0;
  }
}

}  // namespace brisa_test
