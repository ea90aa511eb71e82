// What the lyric strip and the finale show: four lyric lines, the red flash and the fade to black.
#pragma once

#include <cstdint>
#include <glm/glm.hpp>
#include <optional>
#include <vector>

#include "engine/engine.h"
#include "show_probe.h"

namespace show_capture {

struct LyricShot {
  Shot shot;
  TextureRect rect;    // lyricsRect as the frame drew it
  glm::vec2 position;  // lyricsPosition
};

class FinaleProbe : public SectionProbe {
 public:
  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  // One per lyric row, the first frame that draws it with its start in the left quarter of the screen.
  std::vector<LyricShot> lyricLines;
  std::optional<Shot> redFlash;  // the first frame of the finale
  FadeState fadeAtRedFlash;
  std::optional<Shot> last;  // the show's last frame
  FadeState fadeAtEnd;

 private:
  bool WantsLyricLine(const ShowFrame& frame) const;
  bool IsRedFlash(const ShowFrame& frame) const;
};

// Whether the frame draws the lyric strip: the first lyric order of the credits, the second of the
// shatter, the finale.
bool DrawsLyrics(const ShowFrame& frame);

}  // namespace show_capture
