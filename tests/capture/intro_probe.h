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
  tools::Image withoutFlamingo;
  tools::Image withoutWindsurfer;
};

struct TitleCardShots {
  std::optional<Shot> before;  // the frame right before the card appears
  std::optional<Shot> with;    // the first frame with it
};

class IntroProbe : public SectionProbe {
 public:
  // Where the three title cards come on.
  static constexpr SongMoment CardMoments[3] = {{TitleCard1From}, {TitleCard2From}, {TitleCard3From}};
  // The row of each order at which the 3D objects are pictured: from the order before the
  // flamingo's to the windsurfer's drift.
  static constexpr int32_t ObjectRow = 48;
  static constexpr int32_t FirstObjectOrder = FlamingoOrder - 1;
  static constexpr int32_t LastObjectOrder = DriftOrder;
  static constexpr SongMoment LogoMoment{{WindsurfOrder, 32}};
  static constexpr int32_t FlashOrder = WindsurfOrder;

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  TitleCardShots cards[3];
  // Mesh::indexCount of the flamingo at the last frame of each order.
  std::map<int32_t, int32_t> flamingoIndicesAtOrderEnd;
  std::map<int32_t, ShotWithout> objectShots;  // by order
  std::optional<Shot> whiteFlash;              // the first frame of the windsurf section
  FadeState fadeAtWhiteFlash;
  std::optional<Shot> logo;

 private:
  bool WantsObjects(const ShowFrame& frame) const;
  void ObserveCards(const ShowFrame& frame);
  void ObserveObjects(const ShowFrame& frame);
  void ObserveFlamingoCount(const ShowFrame& frame);
};

}  // namespace show_capture
