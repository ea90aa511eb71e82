// Cuts a string at one delimiter character.
#pragma once

#include <string>
#include <vector>

// Empty tokens come from leading or doubled delimiters; one trailing delimiter adds none.
std::vector<std::string> SplitString(std::string text, char delimiter);
