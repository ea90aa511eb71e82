// Playing the show once for all the show tests, and their sprite-sheet helpers.
#include "show_record.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "config/screen.h"

namespace show_capture {

namespace {

constexpr int64_t FewestTestedTexels = 100;

std::string StagedAsset(const std::string& file) {
  return std::string(BRISA_STAGE_DIR) + "/Assets/" + file;
}

ShowRecord* PlayOnce() {
  std::filesystem::current_path(BRISA_STAGE_DIR);
  auto* record = new ShowRecord(LoadArt(StagedAsset("greets.png")));
  ProbeSet probes({&record->timeline, &record->intro, &record->credits, &record->shatter, &record->greetings,
                   &record->parrot, &record->finale});
  const auto start = std::chrono::steady_clock::now();
  record->run = PlayShow(probes);
  record->seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("show at %dx%d: %lld frames, %lld drawn, %.1f s\n", ScreenWidth, ScreenHeight,
              static_cast<long long>(record->run.frames), static_cast<long long>(record->run.renderedFrames),
              record->seconds);
  return record;
}

}  // namespace

const ShowRecord& Show() {
  // Kept to the end of the process, like the demo's own globals it watched.
  static const ShowRecord* record = PlayOnce();
  return *record;
}

const RgbaArt& Art(const std::string& file) {
  static std::map<std::string, RgbaArt> sheets;
  auto found = sheets.find(file);
  if (found == sheets.end()) found = sheets.emplace(file, LoadArt(StagedAsset(file))).first;
  return found->second;
}

Region OnScreen(const SpriteDestination& at) {
  return {at.x, at.y, at.width, at.height};
}

ArtRect FromSheet(const TextureRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

double Match(const tools::Image& picture, const std::string& sheet, const ArtRect& source, const Region& at) {
  const SpriteMatch match = MatchSprite(picture, Art(sheet), source, at);
  EXPECT_GT(match.tested, FewestTestedTexels) << "too little of " << sheet << " on screen to judge";
  return match.fraction();
}

}  // namespace show_capture
