// The main loop run in-process: the steps of one frame in their order, and a quit request's frame is the last.
#include <string>
#include <vector>

#include <SDL.h>

#include "demo/audio.h"
#include "demo/beat_pulse.h"
#include "demo/fade.h"
#include "demo/module_player.h"
#include "demo/music_snapshot.h"
#include "demo/scene.h"
#include "demo/show_loop.h"
#include "demo/song_positions.h"
#include "demo/timeline.h"
#include "engine/engine.h"
#include "resources/resource_manager.h"
#include "presented_pixels.h"
#include "scene_fixture.h"
#include "support/demo_assets.h"
#include "support/mod_fixture.h"

namespace {

using brisa_test::Rgba;

// No frame of the show has it: what the screenshot holds until a frame is kept.
constexpr GLfloat UnkeptColor[4] = {1.0f, 0.0f, 1.0f, 1.0f};
// A loop that misses the request would run on; this stands in for the song's end, so it stops.
constexpr Uint32 SongEndStandInMs = 10000;
// Bytes of music mixed before the loop, so the player's row cells hold notes.
constexpr int MixedAheadBytes = 3 * 16384;
constexpr int NoDevice = 0;
// A song long enough to reach the credits.
constexpr int SongOrders = CreditsOrder + 2;
// The clock as the previous frame left it, and the ticks gone by since.
constexpr int32_t PreviousFrameMs = 1000;
constexpr Uint32 TicksSincePreviousFrame = 4000;
// Screen pixels from the right edge and the top row where the pictures are compared.
constexpr int ComparedPixelInset = 2;

SDL_Event Key(Uint32 type, SDL_Scancode scancode) {
  SDL_Event event{};
  event.type = type;
  event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = scancode;
  return event;
}

SDL_Event WindowClosed() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  return event;
}

Uint32 EndTheSong(Uint32 /*intervalMs*/, void* /*unused*/) {
  lastAudioBytes = 0;
  return 0;
}

const Texture& Screenshot() {
  return *gResourceManager->TextureById(gEngine->screenshotTexture);
}

// The scene fixture puts the clear colour and the picture back after the test.
void FillScreenshot(const GLfloat (&rgba)[4]) {
  glBindFramebuffer(GL_FRAMEBUFFER, Screenshot().framebuffer);
  glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void FillWindowPicture(const GLfloat (&rgba)[4]) {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glClearColor(rgba[0], rgba[1], rgba[2], rgba[3]);
  glClear(GL_COLOR_BUFFER_BIT);
}

// The screenshot holds the screen's top row first, so its bottom corner is the screen's top one.
Rgba ScreenshotCorner() {
  glBindFramebuffer(GL_READ_FRAMEBUFFER, Screenshot().framebuffer);
  const Rgba pixel = brisa_test::ReadPixelTopDown(Screenshot().width - 1 - ComparedPixelInset,
                                                  Screenshot().height - 1 - ComparedPixelInset, Screenshot().height);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, 0);
  return pixel;
}

bool IsWhite(const Rgba& pixel) { return pixel.r == 255 && pixel.g == 255 && pixel.b == 255; }

void ExpectSameSnapshot(const MusicSnapshot& taken, const MusicSnapshot& player) {
  EXPECT_EQ(taken.order, player.order);
  EXPECT_EQ(taken.pattern, player.pattern);
  EXPECT_EQ(taken.row, player.row);
  for (int channel = 0; channel < 4; ++channel) {
    EXPECT_EQ(taken.rowNote[channel], player.rowNote[channel]) << "channel " << channel;
    EXPECT_EQ(taken.rowInstrument[channel], player.rowInstrument[channel]) << "channel " << channel;
  }
}

int QuitAndKeyEventsQueued() {
  return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_QUIT, SDL_QUIT) +
         SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYUP);
}

// A song mixed some way in and no device to play it, so the player stays where it is and the song
// never ends by itself.
class ShowLoopTest : public brisa_test::DemoSceneTest {
 protected:
  void SetUp() override {
    brisa_test::DemoSceneTest::SetUp();
    brisa_test::ModFixture song;
    song.orders = SongOrders;
    const std::string module = brisa_test::MakeTestModule(song);
    songModule = LoadSong(std::vector<uint8_t>(module.begin(), module.end()));
    ASSERT_NE(songModule, nullptr);
    std::vector<uint8_t> mixed(MixedAheadBytes);
    ModPlug_Read(songModule, mixed.data(), MixedAheadBytes);
  }
  void TearDown() override {
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    ModPlug_Unload(songModule);
    songModule = nullptr;
    lastAudioBytes = 0;
    brisa_test::DemoSceneTest::TearDown();
  }

  // The credits on, so the frame drawn is also kept; a stopped clock, a snapshot no player gives, a
  // beat pulse that falls by one step per update, and only `events` queued.
  static void ArrangeCreditsFrame(const std::vector<SDL_Event>& events) {
    lastAudioBytes = AudioBytesBeforeFirstCallback;
    timelineState = SceneCredits;
    fade->alpha = 0;
    fade->finished = true;
    beatPulse = BeatPulsePeak;
    beatLatch = BeatLatched;
    demoClock = DemoClock{};
    musicSnapshot = MusicSnapshot{99, 99, 99, {99, 99, 99, 99}, {99, 99, 99, 99}};
    FillScreenshot(UnkeptColor);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    for (SDL_Event event : events) SDL_PushEvent(&event);
  }

  // The only frame run (Escape is queued) is the one in which the player has reached the credits'
  // order position: the windsurf section still on, the snapshot still the previous frame's, the
  // clock last advanced TicksSincePreviousFrame ago, and neither the window's picture nor the
  // screenshot holding anything a frame draws.
  void ArrangeCreditsCueFrame() {
    ModPlug_SeekOrder(songModule, CreditsOrder);
    std::vector<uint8_t> mixed(MixedAheadBytes);
    ModPlug_Read(songModule, mixed.data(), MixedAheadBytes);
    ArrangeCreditsFrame({Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE)});
    timelineState = SceneWindsurf;
    musicSnapshot = MusicSnapshot{CreditsOrder - 1, 0, 7, {0, 0, 0, 0}, {0, 0, 0, 0}};
    demoClock.timeMs = PreviousFrameMs;
    demoClock.lastTicks = static_cast<int32_t>(SDL_GetTicks() - TicksSincePreviousFrame);
    FillWindowPicture(UnkeptColor);
  }
};

// Each step of a frame sees what the steps before it made in the same frame: the update this
// frame's time and song position, the picture this frame's update, the swap this frame's picture.
TEST_F(ShowLoopTest, EachStepOfAFrameSeesWhatTheStepsBeforeItMadeInThatFrame) {
  ArrangeCreditsCueFrame();
  MusicSnapshot player;
  ReadMusicSnapshot(songModule, player);
  ASSERT_EQ(player.order, CreditsOrder);
  const brisa_test::PresentedPixels presented(ScreenWidth - 1 - ComparedPixelInset, ComparedPixelInset);
  RunShowLoop(NoDevice);

  EXPECT_EQ(timelineState, SceneCredits) << "the update saw the snapshot of the player in this frame";
  EXPECT_GE(demoClock.timeMs, PreviousFrameMs + static_cast<int32_t>(TicksSincePreviousFrame));
  EXPECT_EQ(fade->startMs, demoClock.timeMs) << "the credits' fade starts at this frame's time";
  const Rgba kept = ScreenshotCorner();
  EXPECT_TRUE(IsWhite(kept)) << "the credits drawn and kept, under the fade their cue starts: " << kept;
  ASSERT_EQ(presented.read().size(), 1u) << "one frame";
  EXPECT_EQ(presented.read()[0], kept) << "the swap presents the picture drawn in its frame";
}

TEST_F(ShowLoopTest, TheFrameOfAQuitRequestIsUpdatedDrawnAndKeptAndIsTheLast) {
  struct Case {
    const char* what;
    std::vector<SDL_Event> events;
  };
  const Case cases[] = {
      {"Escape pressed", {Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE)}},
      {"window closed", {WindowClosed()}},
      {"Escape among other keys, then a quit",
       {Key(SDL_KEYUP, SDL_SCANCODE_ESCAPE), Key(SDL_KEYDOWN, SDL_SCANCODE_SPACE),
        Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), Key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE), WindowClosed(),
        Key(SDL_KEYDOWN, SDL_SCANCODE_A)}},
  };
  MusicSnapshot player;
  ReadMusicSnapshot(songModule, player);
  ASSERT_GT(player.row, 0) << "the mixed-ahead song has left its first row";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ArrangeCreditsFrame(c.events);
    ASSERT_EQ(QuitAndKeyEventsQueued(), static_cast<int>(c.events.size()));
    const Uint32 ticksBefore = SDL_GetTicks();
    const SDL_TimerID songEnd = SDL_AddTimer(SongEndStandInMs, EndTheSong, nullptr);
    RunShowLoop(NoDevice);
    SDL_RemoveTimer(songEnd);
    const Uint32 ticksAfter = SDL_GetTicks();

    EXPECT_EQ(QuitAndKeyEventsQueued(), 0) << "the queue is drained to its end";
    EXPECT_GE(static_cast<Uint32>(demoClock.lastTicks), ticksBefore) << "the clock was advanced";
    EXPECT_LE(static_cast<Uint32>(demoClock.lastTicks), ticksAfter);
    EXPECT_EQ(demoClock.timeMs, demoClock.lastTicks);
    ExpectSameSnapshot(musicSnapshot, player);
    EXPECT_FLOAT_EQ(beatPulse, BeatPulsePeak - BeatPulseDecayPerFrame) << "updated once, not twice";
    EXPECT_TRUE(brisa_test::Near(ScreenshotCorner(), brisa_test::RoadEffectColor))
        << "the credits frame drawn and kept: " << ScreenshotCorner();
  }
}

}  // namespace
