// The painters' colours: a hex code comes back as its bytes, and channels out of 0..1 clamp.
#include <gtest/gtest.h>

#include <cstdint>

#include "tools/common/colour.h"

namespace {

TEST(Colour, HexCodesRoundTripThroughTheirBytes) {
  for (uint32_t code : {0x000000u, 0xffffffu, 0x1a0833u, 0xff8a2au, 0x01fe80u, 0x7f8081u}) {
    const glm::vec3 colour = tools::Hex(code);
    EXPECT_EQ(tools::ToByte(colour.r), (code >> 16) & 0xff) << std::hex << code;
    EXPECT_EQ(tools::ToByte(colour.g), (code >> 8) & 0xff) << std::hex << code;
    EXPECT_EQ(tools::ToByte(colour.b), code & 0xff) << std::hex << code;
  }
}

TEST(Colour, ChannelsRoundToTheNearestByteWithinRange) {
  const struct {
    float channel;
    int byte;
  } cases[] = {{-0.5f, 0}, {0.0f, 0}, {0.499f / 255, 0}, {0.501f / 255, 1}, {0.5f, 128}, {1.0f, 255}, {1.7f, 255}};
  for (const auto& c : cases) EXPECT_EQ(tools::ToByte(c.channel), c.byte) << c.channel;
}

}  // namespace
