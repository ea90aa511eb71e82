// Parsing the capture program's arguments.
#include "tools/capture/capture_options.h"

#include <cctype>

namespace show_capture {

namespace {

constexpr int64_t MaxCaptureMs = 24LL * 60 * 60 * 1000;  // a day: far past any song
constexpr int32_t MaxOrder = 255;
constexpr int32_t MaxRow = 63;
constexpr int64_t MaxSheetSeconds = 3600;

// A non-empty run of digits no greater than `limit`.
std::optional<int64_t> ParseCount(const std::string& text, int64_t limit) {
  if (text.empty() || text.size() > 12) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > limit) return std::nullopt;
  return value;
}

bool AddOption(CaptureOptions& options, const std::string& name, const std::string* value) {
  if (name == "--wav") {
    options.wav = true;
    return value == nullptr;
  }
  if (value == nullptr) return false;
  if (name == "--frame") {
    const std::optional<FrameChoice> choice = ParseFrameChoice(*value);
    if (choice) options.frames.push_back(*choice);
    return choice.has_value();
  }
  if (name == "--sheet") {
    const std::optional<int64_t> seconds = ParseCount(*value, MaxSheetSeconds);
    if (!seconds || *seconds == 0) return false;
    options.sheetEveryMs = *seconds * 1000;
    return true;
  }
  return false;
}

bool TakesValue(const std::string& name) {
  return name == "--frame" || name == "--sheet";
}

}  // namespace

std::optional<FrameChoice> ParseFrameChoice(const std::string& text) {
  FrameChoice choice;
  const size_t colon = text.find(':');
  if (colon == std::string::npos) {
    const std::optional<int64_t> ms = ParseCount(text, MaxCaptureMs);
    if (!ms) return std::nullopt;
    choice.playbackMs = *ms;
    return choice;
  }
  const std::optional<int64_t> order = ParseCount(text.substr(0, colon), MaxOrder);
  const std::optional<int64_t> row = ParseCount(text.substr(colon + 1), MaxRow);
  if (!order || !row) return std::nullopt;
  choice.byPosition = true;
  choice.order = static_cast<int32_t>(*order);
  choice.row = static_cast<int32_t>(*row);
  return choice;
}

std::optional<CaptureOptions> ParseCaptureOptions(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].empty() || arguments[0][0] == '-') return std::nullopt;
  CaptureOptions options;
  options.outputDir = arguments[0];
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    const bool hasValue = TakesValue(name) && i + 1 < arguments.size();
    const std::string* value = hasValue ? &arguments[++i] : nullptr;
    if (!AddOption(options, name, value)) return std::nullopt;
  }
  if (options.frames.empty() && options.sheetEveryMs == 0 && !options.wav) return std::nullopt;
  return options;
}

std::string CaptureUsage(const std::string& program) {
  return "usage: " + program +
         " OUTPUT_DIR [--frame MS | --frame ORDER:ROW]... [--sheet SECONDS] [--wav]\n"
         "  Plays the show offline from the stage folder (where Assets/ is) and writes into OUTPUT_DIR:\n"
         "  --frame MS         the first frame shown at or after MS milliseconds of playback (at_MSms.png)\n"
         "  --frame ORDER:ROW  the first frame at that song position (orderOO_rowRR.png)\n"
         "  --sheet SECONDS    contact_sheet.png, one small picture every SECONDS of the show\n"
         "  --wav              soundtrack.wav, the music as mixed (44100 Hz, 16-bit, stereo)\n";
}

}  // namespace show_capture
