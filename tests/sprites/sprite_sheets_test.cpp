// The staged sprite sheets: sizes and channels the upload expects, and what every source
// rectangle the show cuts from them holds.
#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

struct Rect {
  int x, y, w, h;
};

struct Sheet {
  int width = 0, height = 0, channels = 0;
  std::shared_ptr<unsigned char> pixels;
  const unsigned char* At(int x, int y) const { return pixels.get() + (size_t(y) * width + x) * 4; }
};

Sheet LoadStaged(const std::string& name) {
  Sheet sheet;
  const std::string path = std::string(BRISA_STAGE_DIR) + "/Assets/" + name;
  unsigned char* data = stbi_load(path.c_str(), &sheet.width, &sheet.height, &sheet.channels, 0);
  if (data != nullptr) sheet.pixels.reset(data, stbi_image_free);
  return sheet;
}

int OpaquePixels(const Sheet& s, const Rect& r) {
  int count = 0;
  for (int y = r.y; y < r.y + r.h; ++y)
    for (int x = r.x; x < r.x + r.w; ++x) count += s.At(x, y)[3] == 255;
  return count;
}

// The rectangle's outermost rows and columns: clear, so that nearest sampling at its edges (or a
// wrapped read past them) never shows a neighbour's picture.
bool FrameIsClear(const Sheet& s, const Rect& r) {
  for (int x = r.x; x < r.x + r.w; ++x)
    if (s.At(x, r.y)[3] != 0 || s.At(x, r.y + r.h - 1)[3] != 0) return false;
  for (int y = r.y; y < r.y + r.h; ++y)
    if (s.At(r.x, y)[3] != 0 || s.At(r.x + r.w - 1, y)[3] != 0) return false;
  return true;
}

struct SheetCase {
  const char* file;
  int width, height;
  bool sixColours;
  std::vector<Rect> rects;  // the source rectangles the show draws
};

const SheetCase SheetCases[] = {
    {"opening.png", 1220, 630, false, {{0, 0, 1220, 300}, {0, 300, 1220, 130}, {0, 430, 1220, 200}}},
    {"Brisa_Vice_6c.png", 1080, 862, true, {{0, 430, 1080, 432}}},
    {"credits_text.png", 1080, 360, false,
     {{0, 0, 1080, 60}, {0, 60, 1080, 60}, {0, 120, 1080, 60}, {0, 180, 1080, 90}, {0, 270, 1080, 90}}},
    {"papagayo_6c.png", 844, 1020, true, {{0, 0, 844, 1020}}},
    {"lyrics.png", 2048, 256, false, {{0, 0, 2048, 64}, {0, 64, 2048, 64}, {0, 128, 2048, 64}, {0, 192, 2048, 64}}},
};

class SpriteSheetTest : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SpriteSheetTest, DecodesAsRgbaOfTheSizeTheShowCutsFrom) {
  const SheetCase& c = GetParam();
  const Sheet sheet = LoadStaged(c.file);
  ASSERT_TRUE(sheet.pixels) << c.file << ": " << stbi_failure_reason();
  EXPECT_EQ(sheet.channels, 4);
  EXPECT_EQ(sheet.width, c.width);
  EXPECT_EQ(sheet.height, c.height);
}

TEST_P(SpriteSheetTest, EverySourceRectangleLiesInsideAndHoldsAClearFramedPicture) {
  const SheetCase& c = GetParam();
  const Sheet sheet = LoadStaged(c.file);
  ASSERT_TRUE(sheet.pixels && sheet.channels == 4);
  for (const Rect& r : c.rects) {
    SCOPED_TRACE(std::string(c.file) + " rect y " + std::to_string(r.y));
    ASSERT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.w <= sheet.width && r.y + r.h <= sheet.height);
    EXPECT_GT(OpaquePixels(sheet, r), r.w * r.h / 50);
    EXPECT_TRUE(FrameIsClear(sheet, r));
  }
}

TEST_P(SpriteSheetTest, BackgroundIsFullyTransparent) {
  const SheetCase& c = GetParam();
  const Sheet sheet = LoadStaged(c.file);
  ASSERT_TRUE(sheet.pixels && sheet.channels == 4);
  long clear = 0;
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x) clear += sheet.At(x, y)[3] == 0;
  // Glow or haze over the whole sheet would veil the animated background behind the sprite.
  EXPECT_GT(clear, long(sheet.width) * sheet.height * 35 / 100);
}

TEST_P(SpriteSheetTest, SixColourSheetsUseExactlySixColours) {
  const SheetCase& c = GetParam();
  if (!c.sixColours) GTEST_SKIP() << "full-colour sheet";
  const Sheet sheet = LoadStaged(c.file);
  ASSERT_TRUE(sheet.pixels && sheet.channels == 4);
  std::set<unsigned> colours;
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x) {
      const unsigned char* p = sheet.At(x, y);
      if (p[3] != 0) colours.insert(unsigned(p[0]) << 16 | unsigned(p[1]) << 8 | p[2]);
    }
  EXPECT_EQ(colours.size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SpriteSheetTest, ::testing::ValuesIn(SheetCases),
                         [](const ::testing::TestParamInfo<SheetCase>& info) {
                           std::string name = info.param.file;
                           return name.substr(0, name.find('.'));
                         });

// Greeting n is cut from column n / 19, row n mod 19 of 512 x 64 cells.
TEST(GreetingsAtlas, EachOfTheFiftySevenCellsHoldsItsOwnTallEnoughGreeting) {
  const Sheet sheet = LoadStaged("greets.png");
  ASSERT_TRUE(sheet.pixels);
  ASSERT_EQ(sheet.channels, 4);
  ASSERT_EQ(sheet.width, 1536);
  ASSERT_EQ(sheet.height, 1216);
  std::set<std::vector<unsigned char>> distinct;
  for (int n = 0; n < 57; ++n) {
    SCOPED_TRACE("greeting " + std::to_string(n));
    const Rect cell{(n / 19) * 512, (n % 19) * 64, 512, 64};
    EXPECT_GT(OpaquePixels(sheet, cell), 512 * 64 / 20);
    EXPECT_TRUE(FrameIsClear(sheet, cell));
    int top = cell.h, bottom = -1;
    std::vector<unsigned char> alpha;
    for (int y = 0; y < cell.h; ++y)
      for (int x = 0; x < cell.w; ++x) {
        const unsigned char a = sheet.At(cell.x + x, cell.y + y)[3];
        alpha.push_back(a);
        if (a == 255) {
          top = std::min(top, y);
          bottom = std::max(bottom, y);
        }
      }
    // Half the cell tall at least: the smallest build shows the cell 28 pixels high.
    EXPECT_GE(bottom - top + 1, 32);
    distinct.insert(alpha);
  }
  EXPECT_EQ(distinct.size(), 57u);
}

}  // namespace
