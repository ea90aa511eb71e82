// What the credits section shows: a title and a name in each credit's order, nothing in the order after it.
#pragma once

#include <cstdint>
#include <map>

#include "demo/song_positions.h"
#include "engine/engine.h"
#include "show_probe.h"

namespace show_capture {

struct CreditShot {
  Shot shot;
  TextureRect title;  // the timeline's rectangles as the frame drew them
  TextureRect name;
};

class CreditsProbe : public SectionProbe {
 public:
  static constexpr int32_t FirstOrder = CreditsOrder;
  static constexpr int32_t LastOrder = ThirdCreditOrder + 1;
  // The row of each credits order that is pictured.
  static constexpr int32_t ShotRow = 32;

  bool Wants(const ShowFrame& frame) override;
  void Observe(const ShowFrame& frame, bool rendered) override;

  std::map<int32_t, CreditShot> shots;  // by order
  // The tallest credit rectangle of any credits frame, by order.
  std::map<int32_t, int> tallestCredit;

 private:
  bool InCredits(const ShowFrame& frame) const;
};

}  // namespace show_capture
