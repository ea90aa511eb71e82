// On Windows a named pipe whose server end disconnects once the reader is connected: the reader's
// open succeeds, and its reads, pending or not, fail with "pipe not connected" rather than an end.
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
