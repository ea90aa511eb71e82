// The capture program's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/capture/frame_selection.h"

namespace show_capture {

struct CaptureOptions {
  std::string outputDir;
  std::vector<FrameChoice> frames;
  int64_t sheetEveryMs = 0;  // 0: no contact sheet
  bool wav = false;
};

// OUTPUT_DIR [--frame MS | --frame ORDER:ROW]... [--sheet SECONDS] [--wav], at least one capture;
// nothing when the arguments are not of that form.
std::optional<CaptureOptions> ParseCaptureOptions(const std::vector<std::string>& arguments);

// A "--frame" value: whole milliseconds, or ORDER:ROW with a row from 0 to 63.
std::optional<FrameChoice> ParseFrameChoice(const std::string& text);

// The usage line for a program name.
std::string CaptureUsage(const std::string& program);

}  // namespace show_capture
