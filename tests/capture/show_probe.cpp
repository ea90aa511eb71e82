// Fanning the show's frames out to the probes, and the pictures they take.
#include "show_probe.h"

#include <optional>

#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/render.h"
#include "demo/scene.h"
#include "tools/capture/framebuffer_readback.h"

namespace show_capture {

namespace {

// The part of the flamingo's state that a draw of the mirrored pair changes.
struct FlamingoPose {
  glm::vec3 position;
  glm::vec3 rotationDegrees;
};

std::optional<FlamingoPose> SaveFlamingoPose() {
  if (!flamingo) return std::nullopt;
  return FlamingoPose{flamingo->position, flamingo->rotationDegrees};
}

void RestoreFlamingoPose(const std::optional<FlamingoPose>& pose) {
  if (!pose) return;
  flamingo->position = pose->position;
  flamingo->SetRotationDegrees(pose->rotationDegrees);
}

}  // namespace

bool ProbeSet::WantsPicture(const ShowFrame& frame) {
  bool wanted = false;
  for (SectionProbe* probe : probes_) wanted = probe->Wants(frame) || wanted;
  return wanted;
}

void ProbeSet::OnFrame(const ShowFrame& frame, bool rendered) {
  for (SectionProbe* probe : probes_) probe->Observe(frame, rendered);
}

FadeState CurrentFade() {
  if (!fade) return FadeState();
  return FadeState{fade->alpha, fade->argb};
}

Shot TakeShot(const ShowFrame& frame) {
  return Shot{frame, ReadWindowPicture()};
}

tools::Image PictureWithout(Entity3D& object) {
  const std::optional<FlamingoPose> pose = SaveFlamingoPose();
  const bool wasHidden = object.hidden;
  object.hidden = true;
  RenderDemo();
  tools::Image picture = ReadWindowPicture();
  object.hidden = wasHidden;
  RestoreFlamingoPose(pose);
  return picture;
}

}  // namespace show_capture
