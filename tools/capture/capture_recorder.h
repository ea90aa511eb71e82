// The capture program's observer of the show: writes the chosen frames and fills the contact sheet.
#pragma once

#include <string>
#include <vector>

#include "tools/capture/contact_sheet.h"
#include "tools/capture/frame_selection.h"
#include "tools/capture/show_driver.h"

namespace show_capture {

class CaptureRecorder : public ShowObserver {
 public:
  CaptureRecorder(std::string outputDir, FrameSelection selection, bool withSheet);

  bool WantsPicture(const ShowFrame& frame) override;
  void OnFrame(const ShowFrame& frame, bool rendered) override;

  const ContactSheet& sheet() const { return sheet_; }
  const FrameSelection& selection() const { return selection_; }
  // Files that could not be written.
  const std::vector<std::string>& failedFiles() const { return failedFiles_; }

 private:
  std::string outputDir_;
  FrameSelection selection_;
  bool withSheet_;
  ContactSheet sheet_;
  FramePicks pending_;
  std::vector<std::string> failedFiles_;
};

}  // namespace show_capture
