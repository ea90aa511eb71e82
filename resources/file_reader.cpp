// FileReader: the mode table, line reads and the reader's console messages.
#include "resources/file_reader.h"

#include <iostream>

namespace {

struct OpenModeRow {
  const char* text;
  FileMode mode;
  std::ios::openmode flags;
};

// "wa" and "wba" use ate, not app: the file is emptied like "w", then positioned at its end.
// "r" reads in binary too: a text-mode read on Windows ends at a 0x1A byte, and ReadLine drops the
// CR of a CR LF itself, so lines read the same on every platform.
const OpenModeRow OpenModeTable[] = {
    {"r", FileRead, std::ios::in | std::ios::binary},
    {"w", FileWrite, std::ios::out | std::ios::trunc},
    {"rb", FileReadBinary, std::ios::in | std::ios::binary},
    {"wb", FileWriteBinary, std::ios::out | std::ios::trunc | std::ios::binary},
    {"wa", FileWriteAtEnd, std::ios::out | std::ios::ate},
    {"wba", FileWriteAtEndBinary, std::ios::out | std::ios::ate | std::ios::binary},
};

const OpenModeRow* FindOpenMode(const std::string& text) {
  for (const OpenModeRow& row : OpenModeTable) {
    if (text == row.text) return &row;
  }
  return nullptr;
}

void ReportNotOpened() { std::cout << "The file is not opened" << std::endl; }

}  // namespace

void FileReader::Open(const char* name, const char* modeTextArg) {
  fileName = name;
  modeText = modeTextArg;
  if (const OpenModeRow* row = FindOpenMode(modeText)) {
    mode = row->mode;
    stream.open(fileName, row->flags);
  }
  if (stream.is_open()) {
    opened = true;
  } else {
    std::cout << "Error with open mode: " << modeText << " - File : " << fileName << std::endl;
  }
}

bool FileReader::IsEOF() {
  if (!opened) {
    ReportNotOpened();
    return false;
  }
  // A failed read that is not the end of the file would otherwise keep a read loop going forever.
  return stream.eof() || stream.fail();
}

bool FileReader::HasReadError() const { return stream.bad() || (stream.fail() && !stream.eof()); }

std::string FileReader::ReadLine() {
  if (!opened) {
    ReportNotOpened();
    return std::string();
  }
  if (mode != FileRead) {
    std::cout << "Open mode: " << modeText << " prevents from reading" << std::endl;
    return std::string();
  }
  std::string line;
  std::getline(stream, line);
  // The CR of a CR LF ending is not part of the line.
  bool endedAtLineFeed = !stream.eof() && !stream.fail();
  if (endedAtLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void FileReader::Close() {
  if (!opened) return;
  stream.close();
  opened = false;
}
