// SplitString: tokens between single delimiter characters.
#include "resources/split_string.h"

std::vector<std::string> SplitString(std::string text, char delimiter) {
  std::vector<std::string> tokens;
  std::string::size_type start = 0;
  while (start < text.size()) {
    std::string::size_type end = text.find(delimiter, start);
    if (end == std::string::npos) {
      tokens.push_back(text.substr(start));
      break;
    }
    tokens.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return tokens;
}
