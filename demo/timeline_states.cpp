// Each timeline section's per-frame work: terrain, flamingo, windsurfer, credits, lyrics, tiles, parrot.
#include <algorithm>
#include <cmath>

#include "config/screen.h"
#include "demo/beat_pulse.h"
#include "demo/entity3d.h"
#include "demo/fade.h"
#include "demo/greets.h"
#include "demo/music_state.h"
#include "demo/scene.h"
#include "demo/song_positions.h"
#include "demo/tile_shatter.h"
#include "demo/timeline.h"
#include "resources/resource_manager.h"

namespace {

constexpr float PitchStepDegrees = 0.1f;
constexpr float HeightStep = 0.01f;
constexpr int32_t IntroFadeMs = 1000;
constexpr int32_t ClosingFadeMs = 3000;
// One triangle's indices.
constexpr int32_t BuildUpIndices = 3;
// Three triangles' indices.
constexpr int32_t TearDownIndices = 9;
constexpr int32_t TearDownSkipPeriodMs = 16;
constexpr float WindsurfDriftMsPerUnit = 1500.0f;
constexpr float PapagayoMsPerDesignPixel = 3.5f;
constexpr float PapagayoStartX = -844.0f;

// The timeline's sines: argument in single precision, sine in double, result in single.
float SinOfTime(int32_t t, float divisor) {
  return static_cast<float>(std::sin(static_cast<double>(static_cast<float>(t) / divisor)));
}

// Walks one step towards the target; false (and nothing changed) once they are equal. Overshooting
// is undone in the same call, so the value ends within one step of the target.
bool Settle(SettlingValue& value, float step) {
  if (value.target == value.current) {
    return false;
  }
  if (value.target > value.current) {
    value.current += step;
  }
  if (value.current > value.target) {
    value.current -= step;
  }
  return true;
}

void ShowFlamingoIndices() {
  Mesh* mesh = gResourceManager->MeshById(flamingoMeshIndex);
  if (mesh != nullptr) {
    mesh->indexCount = flamingoDrawCount;
  }
}

void BobFlamingo(int32_t t) {
  if (flamingo) {
    flamingo->position.y = SinOfTime(t, 300.0f) * 0.1f + 0.3f;
  }
}

void ScrollTerrain() {
  if (plane) {
    plane->amplitude = beatPulse;
    plane->Update();
  }
}

void ScrollLyrics(int32_t t, float divisor) {
  const int32_t elapsed = TakeSegmentTime(segmentStartMs, t);
  lyricsPosition.x = static_cast<float>(ScreenWidth) - static_cast<float>(elapsed) / divisor;
}

void AdvanceFade() {
  if (fade) {
    fade->Advance();
  }
}

void RiseTerrain() {
  if (!planeRiseStarted && musicSnapshot.order == TerrainRiseOrder) {
    planeRiseStarted = true;
    planePitch.target = 0.0f;
    planeHeight.target = 0.0f;
  }
  if (Settle(planePitch, PitchStepDegrees) && plane) {
    plane->cameraPitch = planePitch.current;
  }
  if (Settle(planeHeight, HeightStep) && plane) {
    plane->cameraOffset = glm::vec3(0.0f, planeHeight.current, 0.0f);
  }
}

// One triangle more on every frame whose row plays a note on channel 0.
void BuildUpFlamingo() {
  if (musicSnapshot.order >= FlamingoOrder && musicSnapshot.rowNote[0] != 0) {
    flamingoDrawCount = std::min(flamingoDrawCount + BuildUpIndices, flamingoFullCount);
    ShowFlamingoIndices();
  }
}

// Three triangles fewer on most frames of the sailing order; its last row ends the segment.
void TearDownFlamingo(int32_t t) {
  if (musicSnapshot.row < LastPatternRow) {
    const int32_t elapsed = TakeSegmentTime(segmentStartMs, t);
    if (elapsed % TearDownSkipPeriodMs != 0) {
      flamingoDrawCount = std::max(flamingoDrawCount - TearDownIndices, 0);
    }
  } else if (musicSnapshot.row == LastPatternRow) {
    segmentStartMs = 0;
  }
}

void SailWindsurfer(int32_t t) {
  if (!windsurf) {
    return;
  }
  windsurf->SetRotationDegrees(glm::vec3(SinOfTime(t, 600.0f) * 5.0f, 180.0f, SinOfTime(t, 500.0f) * 6.0f));
  windsurf->position.x = SinOfTime(t, 2000.0f) * 3.0f;
  if (musicSnapshot.order == DriftOrder) {
    const int32_t elapsed = TakeSegmentTime(segmentStartMs, t);
    windsurf->position.z = -1.0f - static_cast<float>(elapsed) / WindsurfDriftMsPerUnit;
  }
}

void ShowCredit(TextureRect& rect, int32_t y, uint16_t height) {
  rect.y = y;
  rect.height = height;
}

void FinaleLyrics(int32_t t) {
  const int32_t order = musicSnapshot.order;
  const int32_t row = musicSnapshot.row;
  if ((order == FinaleOrder && row >= ThirdLyricRow) || (order == FourthLyricOrder && row < ThirdLyricRow) ||
      order == ClosingOrder) {
    ScrollLyrics(t, LyricsFastDivisor);
  } else if (order == FourthLyricOrder && row > ThirdLyricRow) {
    lyricsPosition = glm::vec2(static_cast<float>(ScreenWidth), static_cast<float>(3 * ScreenHeight / 4));
    lyricsRect.y = 3 * LyricLineHeightPx;
    segmentStartMs = 0;
  }
}

}  // namespace

void UpdateIntro(int32_t t) {
  RiseTerrain();
  BuildUpFlamingo();
  BobFlamingo(t);
  ScrollTerrain();
  // Only the first intro frame starts it: a started fade ignores Start.
  if (fade) {
    fade->Start(0x000000, false, IntroFadeMs);
  }
  AdvanceFade();
}

void UpdateWindsurf(int32_t t) {
  ScrollTerrain();
  BobFlamingo(t);
  if (musicSnapshot.order >= SailingOrder) {
    if (musicSnapshot.order == SailingOrder) {
      TearDownFlamingo(t);
    }
    ShowFlamingoIndices();
    SailWindsurfer(t);
  }
  AdvanceFade();
}

void UpdateCredits(int32_t t) {
  creditsTitleRect.height = 0;
  creditsNameRect.height = 0;
  switch (musicSnapshot.order) {
    case CreditsOrder:
      ShowCredit(creditsTitleRect, 0, 60);
      ShowCredit(creditsNameRect, 180, 90);
      break;
    case SecondCreditOrder:
      ShowCredit(creditsTitleRect, 60, 60);
      ShowCredit(creditsNameRect, 270, 90);
      break;
    case ThirdCreditOrder:
      // The third credit reuses the first name row.
      ShowCredit(creditsTitleRect, 120, 60);
      ShowCredit(creditsNameRect, 180, 90);
      break;
    case FirstLyricOrder:
      ScrollLyrics(t, LyricsSlowDivisor);
      break;
    default:
      break;
  }
  AdvanceFade();
}

// The fade is not advanced here: one still running when the section begins stands still.
void UpdateShatter(int32_t t) {
  if (tiles) {
    tiles->Fall(t);
  }
  if (musicSnapshot.order == SecondLyricOrder) {
    ScrollLyrics(t, LyricsFastDivisor);
  }
}

void UpdateGreetings() {
  if (greets) {
    greets->Update();
  }
  AdvanceFade();
}

void UpdatePapagayo(int32_t t) {
  if (papagayoX < 0.0f) {
    const int32_t elapsed = TakeSegmentTime(segmentStartMs, t);
    papagayoX = static_cast<float>(elapsed) / PapagayoMsPerDesignPixel + PapagayoStartX;
    if (papagayoX > 0.0f) {
      papagayoX = 0.0f;
    }
  }
  if (greets) {
    greets->Update();
  }
}

void UpdateFinale(int32_t t) {
  FinaleLyrics(t);
  if (musicSnapshot.order == ClosingOrder && musicSnapshot.row == ClosingFadeRow && fade) {
    // Restarted on every frame of the row, so the three seconds count from its last frame.
    fade->Reset();
    fade->Start(0x000000, true, ClosingFadeMs);
  }
  AdvanceFade();
}
