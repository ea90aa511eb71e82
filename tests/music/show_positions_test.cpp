// The song positions the show keys on against the music: the passage each keyed order plays, and the
// notes that open the first title card and close the song.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "demo/song_positions.h"
#include "soundtrack_playbacks.h"

namespace music_test {
namespace {

// The pattern names of the score's order lines, one per order position.
std::vector<std::string> ScoreOrderList() {
  std::ifstream score(BRISA_SOUNDTRACK_SCORE);
  std::vector<std::string> patterns;
  for (std::string line; std::getline(score, line);) {
    std::istringstream words(line);
    std::string keyword;
    if (!(words >> keyword) || keyword != "order") continue;
    for (std::string name; words >> name;) patterns.push_back(name);
  }
  return patterns;
}

// A position moved in the demo, or a passage moved in the score, leaves the two out of step.
TEST(ShowPositions, EachKeyedOrderPlaysThePassageWrittenForIt) {
  const std::vector<std::string> patterns = ScoreOrderList();
  ASSERT_EQ(patterns.size(), static_cast<size_t>(OrderCount));
  struct Case {
    const char* what;
    int32_t order;
    const char* pattern;
  };
  const Case cases[] = {
      {"the first title card", TitleCard1From.order, "intro_a"},
      {"the second title card", TitleCard2From.order, "intro_b"},
      {"the terrain's rise", TerrainRiseOrder, "intro_b"},
      {"the third title card", TitleCard3From.order, "build_a"},
      {"the flamingo's build-up", FlamingoOrder, "build_a"},
      {"the windsurf cue", WindsurfOrder, "drop_a"},
      {"the windsurfer's sailing", SailingOrder, "drop_b"},
      {"the windsurfer's drift", DriftOrder, "groove_arp"},
      {"the credits cue", CreditsOrder, "verse_a"},
      {"the second credit", SecondCreditOrder, "verse_c"},
      {"the third credit", ThirdCreditOrder, "drop_a2"},
      {"the first lyric line", FirstLyricOrder, "lyric_a"},
      {"the shatter cue", ShatterOrder, "shatter"},
      {"the second lyric line", SecondLyricOrder, "lyric_b"},
      {"the greetings cue", GreetingsOrder, "drop_a"},
      {"the parrot cue", PapagayoOrder, "parrot_a"},
      {"the finale cue", FinaleOrder, "finale_a"},
      {"the fourth lyric line", FourthLyricOrder, "finale_b"},
      {"the closing fade", ClosingOrder, "finale_end"},
  };
  for (const Case& c : cases) {
    ASSERT_GE(c.order, 0) << c.what;
    ASSERT_LT(c.order, OrderCount) << c.what;
    EXPECT_EQ(patterns[static_cast<size_t>(c.order)], c.pattern) << c.what << " at order " << c.order;
  }
}

// Rows of `order` at which channel 0 strikes a note, in the staged module.
std::vector<int> NoteRowsOfChannelZero(int32_t order) {
  const ModLayout& layout = SoundtrackLayout();
  std::vector<int> rows;
  if (!layout.valid || order < 0 || order >= layout.songLength) return rows;
  for (int row = 0; row < RowsPerPattern; ++row) {
    if (layout.Cell(layout.orderTable[order], row, 0).period != 0) rows.push_back(row);
  }
  return rows;
}

TEST(ShowPositions, TheFirstTitleCardComesWithTheFirstBellAndTheClosingFadeWithTheLastChord) {
  const std::vector<int> opening = NoteRowsOfChannelZero(TitleCard1From.order);
  ASSERT_FALSE(opening.empty());
  EXPECT_EQ(opening.front(), TitleCard1From.row);
  // The fade starts at the end of its row, as the last chord strikes.
  const std::vector<int> closing = NoteRowsOfChannelZero(ClosingOrder);
  ASSERT_FALSE(closing.empty());
  EXPECT_EQ(closing.back(), ClosingFadeRow + 1);
}

// The tear-down's end and the last credits frame key on the last row the player reaches in an order.
TEST(ShowPositions, TheLastPatternRowIsTheLastRowThePlayerReaches) {
  int lastRow = -1;
  for (const PlayerState& state : FinePlayback().states) lastRow = std::max(lastRow, state.row);
  EXPECT_EQ(lastRow, LastPatternRow);
}

}  // namespace
}  // namespace music_test
