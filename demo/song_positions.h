// The song positions the show keys on: order positions of the soundtrack and rows within them.
#pragma once

#include <cstdint>

// An order position and one of its rows.
struct SongPosition {
  int32_t order;
  int32_t row;
};

// Every pattern of the soundtrack has 64 rows.
constexpr int32_t LastPatternRow = 63;

// The intro. Each title card comes on at its row and stays until its order ends.
constexpr SongPosition TitleCard1From{0, 32};
constexpr SongPosition TitleCard2From{1, 17};
constexpr SongPosition TitleCard3From{2, 17};
// The terrain starts to rise; from the next order on the flamingo is built up and drawn.
constexpr int32_t TerrainRiseOrder = 1;
constexpr int32_t FlamingoOrder = 2;

// The windsurf section opens with the logo; then the windsurfer sails in while the flamingo is torn
// down, and then drifts away.
constexpr int32_t WindsurfOrder = 5;
constexpr int32_t SailingOrder = 6;
constexpr int32_t DriftOrder = 7;

// The credits: each one shown for an order and hidden in the next; then the first lyric line.
constexpr int32_t CreditsOrder = 8;
constexpr int32_t SecondCreditOrder = 10;
constexpr int32_t ThirdCreditOrder = 12;
constexpr int32_t FirstLyricOrder = 14;

// The last credits frame falls apart in tiles; the second lyric line follows them.
constexpr int32_t ShatterOrder = 15;
constexpr int32_t SecondLyricOrder = 16;

constexpr int32_t GreetingsOrder = 17;
constexpr int32_t PapagayoOrder = 23;

// The finale. The third lyric line scrolls for one pattern, from its row of the finale's first order
// to the same row of the next, where the fourth line takes its place; the fourth scrolls in the last
// order, under the closing fade that starts at the end of its row.
constexpr int32_t FinaleOrder = 25;
constexpr int32_t FourthLyricOrder = 26;
constexpr int32_t ThirdLyricRow = 33;
constexpr int32_t ClosingOrder = 27;
constexpr int32_t ClosingFadeRow = 31;
