// The capture program's arguments and its choice of frames.
#include "tools/capture/capture_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/capture/frame_selection.h"

namespace show_capture {
namespace {

MusicSnapshot At(int32_t order, int32_t row) {
  MusicSnapshot music;
  music.order = order;
  music.row = row;
  return music;
}

TEST(CaptureOptions, ReadsFramesSheetAndSoundtrack) {
  const std::optional<CaptureOptions> options =
      ParseCaptureOptions({"out", "--frame", "61000", "--frame", "5:0", "--sheet", "5", "--wav"});
  ASSERT_TRUE(options);
  EXPECT_EQ(options->outputDir, "out");
  ASSERT_EQ(options->frames.size(), 2u);
  EXPECT_FALSE(options->frames[0].byPosition);
  EXPECT_EQ(options->frames[0].playbackMs, 61000);
  EXPECT_TRUE(options->frames[1].byPosition);
  EXPECT_EQ(options->frames[1].order, 5);
  EXPECT_EQ(options->frames[1].row, 0);
  EXPECT_EQ(options->sheetEveryMs, 5000);
  EXPECT_TRUE(options->wav);
}

TEST(CaptureOptions, EachCaptureAloneIsEnough) {
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"out", "--wav"}, {"out", "--sheet", "1"}, {"out", "--frame", "0"}}) {
    EXPECT_TRUE(ParseCaptureOptions(arguments)) << arguments[1];
  }
}

TEST(CaptureOptions, RefusesWhatItCannotCapture) {
  const std::vector<std::vector<std::string>> refused = {
      {},
      {"out"},
      {"--wav"},
      {"out", "--frame"},
      {"out", "--frame", "-5"},
      {"out", "--frame", "5:64"},
      {"out", "--frame", "5:"},
      {"out", "--frame", ":3"},
      {"out", "--frame", "1.5"},
      {"out", "--frame", "99999999999999"},
      {"out", "--sheet", "0"},
      {"out", "--sheet", "x"},
      {"out", "--wav", "--sheet"},
      {"out", "--png"},
      {"out", "extra", "--wav"},
  };
  for (const std::vector<std::string>& arguments : refused) {
    std::string line;
    for (const std::string& argument : arguments) line += argument + " ";
    EXPECT_FALSE(ParseCaptureOptions(arguments)) << line;
  }
}

TEST(CaptureOptions, UsageNamesTheProgramAndEveryOption) {
  const std::string usage = CaptureUsage("brisa_show_capture_720");
  EXPECT_EQ(usage.rfind("usage: brisa_show_capture_720 OUTPUT_DIR", 0), 0u) << usage;
  for (const char* option : {"--frame MS", "--frame ORDER:ROW", "--sheet SECONDS", "--wav"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

TEST(FrameChoice, NamesItsFileAndItsMoment) {
  const FrameChoice byTime = *ParseFrameChoice("61000");
  EXPECT_EQ(byTime.FileName(), "at_61000ms.png");
  EXPECT_EQ(byTime.Label(), "61000 ms");
  const FrameChoice byPosition = *ParseFrameChoice("5:32");
  EXPECT_EQ(byPosition.FileName(), "order05_row32.png");
  EXPECT_EQ(byPosition.Label(), "order 5 row 32");
}

TEST(FrameSelection, TakesTheFirstFrameAtOrAfterATime) {
  FrameSelection selection({*ParseFrameChoice("40")}, 0);
  EXPECT_TRUE(selection.Pick(33, At(0, 0)).choices.empty());
  EXPECT_EQ(selection.Pick(50, At(0, 0)).choices, std::vector<size_t>{0});
  EXPECT_TRUE(selection.Pick(66, At(0, 0)).choices.empty()) << "a choice is taken once";
  EXPECT_TRUE(selection.Unfulfilled().empty());
}

TEST(FrameSelection, TakesTheFirstFrameAtASongPosition) {
  FrameSelection selection({*ParseFrameChoice("2:17"), *ParseFrameChoice("3:0")}, 0);
  EXPECT_FALSE(selection.Pick(0, At(2, 16)).any());
  EXPECT_EQ(selection.Pick(16, At(2, 17)).choices, std::vector<size_t>{0});
  EXPECT_FALSE(selection.Pick(33, At(2, 17)).any());
  EXPECT_FALSE(selection.Pick(50, At(2, 18)).any()) << "a later row is not the position asked for";
  ASSERT_EQ(selection.Unfulfilled().size(), 1u);
  EXPECT_EQ(selection.Unfulfilled()[0].order, 3);
}

TEST(FrameSelection, PicksOneSheetFrameForEachIntervalFromTheStart) {
  FrameSelection selection({}, 1000);
  std::vector<int64_t> sheetFrames;
  for (int64_t frame = 0; frame < 200; ++frame) {
    const int64_t ms = frame * 1000 / 60;
    if (selection.Pick(ms, At(0, 0)).sheet) sheetFrames.push_back(ms);
  }
  EXPECT_EQ(sheetFrames, (std::vector<int64_t>{0, 1000, 2000, 3000}));
}

}  // namespace
}  // namespace show_capture
