// The image files the show loads, named once for their requests and for decoding them ahead.
#pragma once

constexpr const char* BackgroundVaporPath = "Assets/BGVapor.jpg";
constexpr const char* BackgroundBeachPath = "Assets/beach.jpg";
constexpr const char* BackgroundStreetsPath = "Assets/streets.jpg";
constexpr const char* BackgroundCityPath = "Assets/city.png";
constexpr const char* FlamingoTexturePath = "Assets/flamingo_tex.png";
constexpr const char* HeightmapPath = "Assets/heightmap.png";
constexpr const char* WindsurfTexturePath = "Assets/windsurf_tex.png";
constexpr const char* LogoPath = "Assets/Brisa_Vice_6c.png";
constexpr const char* CreditsPath = "Assets/credits_text.png";
constexpr const char* PapagayoPath = "Assets/papagayo_6c.png";
constexpr const char* OpeningPath = "Assets/opening.png";
constexpr const char* LyricsPath = "Assets/lyrics.png";
constexpr const char* GreetsPath = "Assets/greets.png";

// In the order of their requests: decoding starts only once the engine is up, so the first
// requests follow it closely, and the pictures asked for first have to come out first.
constexpr const char* SceneImagePaths[] = {
    BackgroundVaporPath, BackgroundBeachPath, BackgroundStreetsPath, BackgroundCityPath, HeightmapPath,
    FlamingoTexturePath, WindsurfTexturePath, LogoPath,              CreditsPath,        PapagayoPath,
    OpeningPath,         LyricsPath,          GreetsPath,
};
