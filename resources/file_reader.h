// A line reader over a file stream, opened through a small table of mode texts.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

enum FileMode : int32_t {
  FileRead = 0,
  FileWrite = 1,
  FileReadBinary = 2,
  FileWriteBinary = 3,
  FileWriteAtEnd = 4,
  FileWriteAtEndBinary = 5,
  FileClosed = 6,
};

class FileReader {
 public:
  FileReader() = default;
  ~FileReader() = default;
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Opens `name` with one of "r", "w", "rb", "wb", "wa", "wba"; the caller tests `opened`.
  void Open(const char* name, const char* modeText);
  // True once a read has met the end of the file, or the stream can no longer be read.
  bool IsEOF();
  // True when reading stopped for a reason other than the end of the file.
  bool HasReadError() const;
  // The next line without its line end; empty at the end of the file.
  std::string ReadLine();
  void Close();

  std::string fileName;
  std::fstream stream;
  std::string modeText = "closed";
  FileMode mode = FileClosed;
  bool opened = false;
};
