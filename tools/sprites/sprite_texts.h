// The words set into the sprites and the fonts they are set in, read from a plain text file.
#pragma once

#include <string>
#include <vector>

namespace sprites {

struct SpriteTexts {
  std::string scriptFont;  // titles and names
  std::string heavyFont;   // block capitals
  std::string boldFont;    // lyrics and greetings
  std::vector<std::string> openingCards;  // 3: the title cards, top to bottom
  std::vector<std::string> logo;          // 2: block word, script word
  std::vector<std::string> creditTitles;  // 3
  std::vector<std::string> creditNames;   // 2: the first goes under titles 1 and 3
  std::vector<std::string> lyrics;        // 4
  std::vector<std::string> greetings;     // 57, in the order they are shown
};

// Sections "[name]" hold one entry a line; "#" starts a comment line; blank lines are skipped.
// The [fonts] section holds "role = path" lines. False, with `error` giving the line or the
// section at fault, when a section is missing, unknown or has the wrong number of entries.
bool ParseSpriteTexts(const std::string& content, SpriteTexts& texts, std::string& error);
bool LoadSpriteTexts(const std::string& path, SpriteTexts& texts, std::string& error);

}  // namespace sprites
