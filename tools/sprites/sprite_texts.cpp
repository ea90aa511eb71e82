// Parsing of the sprite texts file: sections, font roles and the entry counts the layouts need.
#include "tools/sprites/sprite_texts.h"

#include <fstream>
#include <map>
#include <sstream>

namespace sprites {
namespace {

struct SectionSlot {
  const char* name;
  size_t count;
  std::vector<std::string> SpriteTexts::*entries;
};

const SectionSlot Sections[] = {
    {"opening", 3, &SpriteTexts::openingCards}, {"logo", 2, &SpriteTexts::logo},
    {"credit titles", 3, &SpriteTexts::creditTitles}, {"credit names", 2, &SpriteTexts::creditNames},
    {"lyrics", 4, &SpriteTexts::lyrics},         {"greetings", 57, &SpriteTexts::greetings},
};

struct FontSlot {
  const char* role;
  std::string SpriteTexts::*path;
};

const FontSlot FontRoles[] = {
    {"script", &SpriteTexts::scriptFont}, {"heavy", &SpriteTexts::heavyFont}, {"bold", &SpriteTexts::boldFont}};

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ParseFontLine(const std::string& line, std::map<std::string, std::string>& fonts) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return false;
  const std::string role = Trim(line.substr(0, equals)), path = Trim(line.substr(equals + 1));
  if (role.empty() || path.empty()) return false;
  fonts[role] = path;
  return true;
}

bool CheckAndStore(const std::map<std::string, std::vector<std::string>>& sections,
                   const std::map<std::string, std::string>& fonts, SpriteTexts& texts, std::string& error) {
  for (const SectionSlot& slot : Sections) {
    auto found = sections.find(slot.name);
    const size_t have = found == sections.end() ? 0 : found->second.size();
    if (have != slot.count) {
      error = "section [" + std::string(slot.name) + "] needs " + std::to_string(slot.count) + " entries, has " +
              std::to_string(have);
      return false;
    }
    texts.*slot.entries = found->second;
  }
  for (const FontSlot& slot : FontRoles) {
    auto found = fonts.find(slot.role);
    if (found == fonts.end()) {
      error = "section [fonts] names no \"" + std::string(slot.role) + "\" font";
      return false;
    }
    texts.*slot.path = found->second;
  }
  return true;
}

bool KnownSection(const std::string& name) {
  if (name == "fonts") return true;
  for (const SectionSlot& slot : Sections)
    if (name == slot.name) return true;
  return false;
}

}  // namespace

bool ParseSpriteTexts(const std::string& content, SpriteTexts& texts, std::string& error) {
  std::map<std::string, std::vector<std::string>> sections;
  std::map<std::string, std::string> fonts;
  std::string current;
  std::istringstream in(content);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string line = Trim(raw);
    const std::string where = "line " + std::to_string(number) + ": ";
    if (line.empty() || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = line.substr(1, line.size() - 2);
      if (!KnownSection(current)) {
        error = where + "unknown section [" + current + "]";
        return false;
      }
      continue;
    }
    if (current.empty()) {
      error = where + "text before the first section";
      return false;
    }
    if (current != "fonts") {
      sections[current].push_back(line);
    } else if (!ParseFontLine(line, fonts)) {
      error = where + "expected \"role = font path\"";
      return false;
    }
  }
  return CheckAndStore(sections, fonts, texts, error);
}

bool LoadSpriteTexts(const std::string& path, SpriteTexts& texts, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path;
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (!ParseSpriteTexts(content.str(), texts, error)) {
    error = path + ": " + error;
    return false;
  }
  return true;
}

}  // namespace sprites
