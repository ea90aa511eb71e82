// Picking and keeping the lyric, red-flash and closing frames.
#include "finale_probe.h"

#include "config/screen.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"

namespace show_capture {

namespace {

constexpr float LeftQuarter = static_cast<float>(ScreenWidth) / 4.0f;

}  // namespace

bool DrawsLyrics(const ShowFrame& frame) {
  const int32_t order = frame.music.order;
  return (frame.timelineState == SceneCredits && order == FirstLyricOrder) ||
         (frame.timelineState == SceneShatter && order == SecondLyricOrder) || frame.timelineState == SceneFinale;
}

bool FinaleProbe::WantsLyricLine(const ShowFrame& frame) const {
  if (!DrawsLyrics(frame) || lyricsPosition.x < 0.0f || lyricsPosition.x > LeftQuarter) return false;
  return lyricLines.empty() || lyricLines.back().rect.y != lyricsRect.y;
}

bool FinaleProbe::IsRedFlash(const ShowFrame& frame) const {
  return frame.music.order == FinaleOrder && frame.timelineState == SceneFinale && !redFlash;
}

bool FinaleProbe::Wants(const ShowFrame& frame) {
  return WantsLyricLine(frame) || IsRedFlash(frame) || frame.lastFrame;
}

void FinaleProbe::Observe(const ShowFrame& frame, bool rendered) {
  if (!rendered) return;
  if (WantsLyricLine(frame)) lyricLines.push_back(LyricShot{TakeShot(frame), lyricsRect, lyricsPosition});
  if (IsRedFlash(frame)) {
    redFlash = TakeShot(frame);
    fadeAtRedFlash = CurrentFade();
  }
  if (frame.lastFrame) {
    last = TakeShot(frame);
    fadeAtEnd = CurrentFade();
  }
}

}  // namespace show_capture
