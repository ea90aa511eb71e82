// Turning picked frames into PNG files and contact-sheet cells.
#include "tools/capture/capture_recorder.h"

#include <cstdio>
#include <utility>

#include "config/screen.h"
#include "tools/capture/framebuffer_readback.h"
#include "tools/common/image.h"

namespace show_capture {

namespace {

constexpr int SheetColumns = 8;
constexpr int SheetCellWidthPx = 240;
constexpr int SheetCellHeightPx = SheetCellWidthPx * ScreenHeight / ScreenWidth;

}  // namespace

CaptureRecorder::CaptureRecorder(std::string outputDir, FrameSelection selection, bool withSheet)
    : outputDir_(std::move(outputDir)),
      selection_(std::move(selection)),
      withSheet_(withSheet),
      sheet_(SheetColumns, SheetCellWidthPx, SheetCellHeightPx) {}

bool CaptureRecorder::WantsPicture(const ShowFrame& frame) {
  pending_ = selection_.Pick(frame.playbackMs, frame.music);
  return pending_.any();
}

void CaptureRecorder::OnFrame(const ShowFrame& frame, bool rendered) {
  if (!rendered || !pending_.any()) return;
  const tools::Image picture = ReadWindowPicture();
  for (size_t index : pending_.choices) {
    const FrameChoice& choice = selection_.choices()[index];
    const std::string path = outputDir_ + "/" + choice.FileName();
    if (tools::WritePng(path, picture, tools::FailQuietly)) {
      std::printf("%s: frame %lld, %lld ms, order %d row %d\n", path.c_str(), static_cast<long long>(frame.index),
                  static_cast<long long>(frame.playbackMs), frame.music.order, frame.music.row);
    } else {
      failedFiles_.push_back(path);
    }
  }
  if (withSheet_ && pending_.sheet) sheet_.Add(picture);
  pending_ = FramePicks();
}

}  // namespace show_capture
