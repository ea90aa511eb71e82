// Writes the show's six sprite sheets into the assets folder: sprites_tool <assets dir> <texts file>.
#include <cstdio>
#include <string>

#include "tools/common/image.h"
#include "tools/sprites/sheets.h"

namespace {


bool LoadFonts(const sprites::SpriteTexts& texts, sprites::FontSet& fonts) {
  struct Slot {
    sprites::Font* font;
    const std::string* path;
  };
  const Slot slots[] = {{&fonts.script, &texts.scriptFont}, {&fonts.heavy, &texts.heavyFont},
                        {&fonts.bold, &texts.boldFont}};
  for (const Slot& slot : slots) {
    std::string error;
    if (!slot.font->Load(*slot.path, error)) {
      std::fprintf(stderr, "sprites: %s (scripts/install-deps.sh installs the fonts)\n", error.c_str());
      return false;
    }
  }
  return true;
}

// Every text must be drawable in the font that sets it: a missing glyph would show as a box.
bool CheckGlyphs(const sprites::Font& font, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (char32_t missing = font.FirstMissingCharacter(line)) {
      std::fprintf(stderr, "sprites: %s has no glyph U+%04X for \"%s\"\n", font.path().c_str(),
                   static_cast<unsigned>(missing), line.c_str());
      return false;
    }
  }
  return true;
}

bool CheckAllGlyphs(const sprites::SpriteTexts& t, const sprites::FontSet& f) {
  return CheckGlyphs(f.script, {t.openingCards[0], t.openingCards[2], t.logo[1]}) &&
         CheckGlyphs(f.script, t.creditNames) && CheckGlyphs(f.heavy, {t.openingCards[1], t.logo[0]}) &&
         CheckGlyphs(f.heavy, t.creditTitles) && CheckGlyphs(f.bold, t.lyrics) && CheckGlyphs(f.bold, t.greetings);
}

bool WriteSheets(const std::string& dir, const sprites::SpriteTexts& texts, const sprites::FontSet& fonts) {
  return tools::WritePng(dir + "/opening.png", sprites::MakeOpening(texts, fonts), tools::ReportFailure) &&
         tools::WritePng(dir + "/Brisa_Vice_6c.png", sprites::MakeLogo(texts, fonts), tools::ReportFailure) &&
         tools::WritePng(dir + "/credits_text.png", sprites::MakeCredits(texts, fonts), tools::ReportFailure) &&
         tools::WritePng(dir + "/papagayo_6c.png", sprites::MakeParrot(), tools::ReportFailure) &&
         tools::WritePng(dir + "/lyrics.png", sprites::MakeLyrics(texts, fonts), tools::ReportFailure) &&
         tools::WritePng(dir + "/greets.png", sprites::MakeGreets(texts, fonts), tools::ReportFailure);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: sprites_tool <assets dir> <texts file>\n");
    return 2;
  }
  sprites::SpriteTexts texts;
  std::string error;
  if (!sprites::LoadSpriteTexts(argv[2], texts, error)) {
    std::fprintf(stderr, "sprites: %s\n", error.c_str());
    return 1;
  }
  sprites::FontSet fonts;
  if (!LoadFonts(texts, fonts) || !CheckAllGlyphs(texts, fonts)) return 1;
  return WriteSheets(argv[1], texts, fonts) ? 0 : 1;
}
