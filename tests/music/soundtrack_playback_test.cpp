// libmodplug, set up as the demo sets it up, plays the song once through the positions the show keys on.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "demo/song_positions.h"
#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

constexpr int BeatInstrument = 10;
constexpr int BeatChannel = 2;
constexpr int MaxRowsBetweenBeats = 4;
constexpr double SongSeconds = OrderCount * RowsPerPattern * RowSeconds;  // 215.04 s
constexpr double FadeSeconds = 3.0;
constexpr double FadeMarginSeconds = 0.5;

// (order, row) in the order the player reaches them, each once.
std::vector<std::pair<int, int>> RowsInPlayOrder(const Playback& playback) {
  std::vector<std::pair<int, int>> rows;
  for (const PlayerState& state : playback.states)
    if (rows.empty() || rows.back() != std::make_pair(state.order, state.row))
      rows.emplace_back(state.order, state.row);
  return rows;
}

TEST(SoundtrackPlayback, PlaysEveryRowOfEveryOrderOnceInSequenceThenReadsZero) {
  const Playback& playback = FinePlayback();
  ASSERT_TRUE(playback.loaded);
  EXPECT_TRUE(playback.endedWithZeroRead);
  const std::vector<std::pair<int, int>> rows = RowsInPlayOrder(playback);
  ASSERT_GE(rows.size(), size_t(OrderCount * RowsPerPattern));
  for (int i = 0; i < OrderCount * RowsPerPattern; ++i)
    ASSERT_EQ(rows[i], std::make_pair(i / RowsPerPattern, i % RowsPerPattern)) << "position " << i;
  for (size_t i = OrderCount * RowsPerPattern; i < rows.size(); ++i)
    EXPECT_GE(rows[i].first, OrderCount - 1) << "the song went back to order " << rows[i].first;
}

TEST(SoundtrackPlayback, OrdersStartOnTheirBeatGrid) {
  const Playback& playback = FinePlayback();
  for (int order = 0; order < OrderCount; ++order) {
    const int state = FirstStateAt(playback, order, 0);
    ASSERT_GE(state, 0) << "order " << order << " never plays";
    EXPECT_NEAR(Seconds(playback.states[state].framesPlayed), order * RowsPerPattern * RowSeconds,
                RowSeconds)
        << "order " << order;
  }
}

TEST(SoundtrackPlayback, FinalFadeRowComesAtItsTimeAndTheSongOutlastsTheFade) {
  const Playback& playback = FinePlayback();
  const int fadeRow = FirstStateAt(playback, ClosingOrder, ClosingFadeRow);
  const int afterFadeRow = FirstStateAt(playback, ClosingOrder, ClosingFadeRow + 1);
  ASSERT_GE(fadeRow, 0);
  ASSERT_GE(afterFadeRow, 0);
  const double fadeRowSeconds = (ClosingOrder * RowsPerPattern + ClosingFadeRow) * RowSeconds;
  EXPECT_NEAR(Seconds(playback.states[fadeRow].framesPlayed), fadeRowSeconds, RowSeconds);
  const double songSeconds = Seconds(playback.totalFrames);
  EXPECT_GE(songSeconds - Seconds(playback.states[afterFadeRow].framesPlayed),
            FadeSeconds + FadeMarginSeconds);
  EXPECT_NEAR(songSeconds, SongSeconds, SongSeconds * 0.01);
}

// The show relies on a row without a note or an instrument reading 0 in the player's channel fields.
TEST(SoundtrackPlayback, RowFieldsFollowTheCellsAndReadZeroOnEmptyCells) {
  const Playback& playback = FinePlayback();
  const ModLayout& layout = SoundtrackLayout();
  ASSERT_TRUE(layout.valid);
  std::set<int> emptyNoteChannels;
  for (const PlayerState& state : playback.states) {
    if (state.order >= OrderCount || state.pattern >= layout.patternCount) continue;
    for (int channel = 0; channel < Channels; ++channel) {
      const ModCell& cell = layout.Cell(state.pattern, state.row, channel);
      ASSERT_EQ(state.rowNote[channel] != 0, cell.period != 0)
          << "order " << state.order << " row " << state.row << " channel " << channel;
      ASSERT_EQ(state.rowInstrument[channel], cell.instrument)
          << "order " << state.order << " row " << state.row << " channel " << channel;
      if (cell.period == 0) emptyNoteChannels.insert(channel);
    }
  }
  EXPECT_EQ(emptyNoteChannels.size(), size_t(Channels)) << "every channel has rows without a note";
}

TEST(SoundtrackPlayback, ChannelTwoBeatsWithInstrumentTenEveryFourRowsFromStartToEnd) {
  const Playback& playback = FinePlayback();
  std::vector<int> beatRows;
  std::set<int> ordersWithBeats;
  int index = 0;
  for (size_t i = 0; i < playback.states.size(); ++i) {
    const PlayerState& state = playback.states[i];
    const bool newRow =
        i == 0 || state.row != playback.states[i - 1].row || state.order != playback.states[i - 1].order;
    if (!newRow) continue;
    if (state.rowInstrument[BeatChannel] == BeatInstrument && state.order < OrderCount) {
      beatRows.push_back(index);
      ordersWithBeats.insert(state.order);
    }
    ++index;
  }
  ASSERT_FALSE(beatRows.empty());
  EXPECT_EQ(beatRows.front(), 0) << "the first row carries the first beat";
  for (size_t i = 1; i < beatRows.size(); ++i)
    EXPECT_LE(beatRows[i] - beatRows[i - 1], MaxRowsBetweenBeats)
        << "after song row " << beatRows[i - 1];
  EXPECT_GE(beatRows.back(), OrderCount * RowsPerPattern - MaxRowsBetweenBeats);
  EXPECT_EQ(ordersWithBeats.size(), size_t(OrderCount));
}

// The flamingo is built up a triangle per frame of a row with a note on channel 0.
TEST(SoundtrackPlayback, ChannelZeroHasANoteOnEveryRowOfOrdersTwoToFour) {
  int statesSeen = 0;
  for (const PlayerState& state : FinePlayback().states) {
    if (state.order < FlamingoOrder || state.order >= WindsurfOrder) continue;
    ++statesSeen;
    ASSERT_NE(state.rowNote[0], 0) << "order " << state.order << " row " << state.row;
  }
  EXPECT_GT(statesSeen, 3 * RowsPerPattern);
}

}  // namespace
}  // namespace music_test
