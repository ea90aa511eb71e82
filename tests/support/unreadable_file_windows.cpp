// On Windows a named pipe that hangs up on its reader: the open succeeds, and every read fails.
#include "support/unreadable_file.h"

#include <windows.h>

#include <filesystem>

#include "support/file_contents.h"

namespace brisa_test {

struct UnreadableFile::Source {
  HANDLE server = INVALID_HANDLE_VALUE;
  HANDLE hangUp = nullptr;
};

namespace {

// A disconnect, unlike closing the server end, fails the reader's reads, even one already waiting,
// as "pipe not connected" instead of ending them as at the end of a file.
DWORD WINAPI HangUpOnTheReader(void* server) {
  ConnectNamedPipe(server, nullptr);
  DisconnectNamedPipe(server);
  return 0;
}

}  // namespace

UnreadableFile::UnreadableFile(const std::string& name)
    : path_("\\\\.\\pipe\\" + std::filesystem::path(UniqueTempPath(name.c_str())).filename().string()),
      source_(new Source) {
  source_->server = CreateNamedPipeA(path_.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0,
                                     nullptr);
  source_->hangUp = CreateThread(nullptr, 0, HangUpOnTheReader, source_->server, 0, nullptr);
}

// A test that never opened the pipe leaves the thread waiting for a reader: connecting one frees it.
UnreadableFile::~UnreadableFile() {
  HANDLE reader = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (reader != INVALID_HANDLE_VALUE) CloseHandle(reader);
  WaitForSingleObject(source_->hangUp, INFINITE);
  CloseHandle(source_->hangUp);
  CloseHandle(source_->server);
}

}  // namespace brisa_test
