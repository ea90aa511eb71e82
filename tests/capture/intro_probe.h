// What the terrain sections show: title cards, the flamingo, the white flash, the logo, the windsurfer.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "show_probe.h"

namespace show_capture {

// A frame's picture and the same frame drawn without one of the scene objects.
struct ShotWithout {
  Shot shot;
  RgbImage withoutFlamingo;
  RgbImage withoutWindsurfer;
};

struct TitleCardShots {
  std::optional<Shot> before;  // the frame right before the card appears
  std::optional<Shot> with;    // the first frame with it
};

class IntroProbe : public SectionProbe {
 public:
  // Where the three title cards come on.
  static constexpr SongMoment CardMoments[3] = {{0, 32}, {1, 17}, {2, 17}};
  // The row of each order from 1 to 7 at which the 3D objects are pictured.
  static constexpr int32_t ObjectRow = 48;
  static constexpr int32_t FirstObjectOrder = 1;
  static constexpr int32_t LastObjectOrder = 7;
  static constexpr SongMoment LogoMoment{5, 32};
  static constexpr int32_t FlashOrder = 5;

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  TitleCardShots cards[3];
  // Mesh::indexCount of the flamingo at the last frame of each order.
  std::map<int32_t, int32_t> flamingoIndicesAtOrderEnd;
  std::map<int32_t, ShotWithout> objectShots;  // by order
  std::optional<Shot> whiteFlash;              // the first frame of order 5
  FadeState fadeAtWhiteFlash;
  std::optional<Shot> logo;

 private:
  bool WantsObjects(const ShowFrame& frame) const;
  void ObserveCards(const ShowFrame& frame);
  void ObserveObjects(const ShowFrame& frame);
  void ObserveFlamingoCount(const ShowFrame& frame);
};

}  // namespace show_capture
