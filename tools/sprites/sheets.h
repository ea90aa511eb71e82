// The six sprite sheets of the show, each made from the texts and fonts it needs.
#pragma once

#include "tools/common/image.h"
#include "tools/sprites/font.h"
#include "tools/sprites/sprite_texts.h"

namespace sprites {

struct FontSet {
  Font script;
  Font heavy;
  Font bold;
};

// Sizes and rows the show's source rectangles cut from.
constexpr int OpeningWidth = 1220, OpeningHeight = 630;
constexpr int OpeningCardTop[3] = {0, 300, 430}, OpeningCardHeight[3] = {300, 130, 200};
constexpr int LogoWidth = 1080, LogoHeight = 862, LogoTop = 430;
constexpr int CreditsWidth = 1080, CreditsHeight = 360;
constexpr int CreditTitleHeight = 60, CreditNameTop = 180, CreditNameHeight = 90;
constexpr int ParrotWidth = 844, ParrotHeight = 1020;
constexpr int LyricWidth = 2048, LyricHeight = 64, LyricCount = 4;
constexpr int GreetCellWidth = 512, GreetCellHeight = 64, GreetColumns = 3, GreetRows = 19;

tools::Image MakeOpening(const SpriteTexts& texts, const FontSet& fonts);
tools::Image MakeLogo(const SpriteTexts& texts, const FontSet& fonts);
tools::Image MakeCredits(const SpriteTexts& texts, const FontSet& fonts);
tools::Image MakeParrot();
tools::Image MakeLyrics(const SpriteTexts& texts, const FontSet& fonts);
tools::Image MakeGreets(const SpriteTexts& texts, const FontSet& fonts);

}  // namespace sprites
