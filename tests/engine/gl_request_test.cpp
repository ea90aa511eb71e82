// What the engine asks SDL for when it makes its window and its OpenGL context.
#include <algorithm>
#include <cstddef>
#include <ostream>
#include <utility>
#include <vector>

#include "engine_fixture.h"
#include "sdl_call_log.h"

namespace brisa_test {

bool operator==(const RequestedContext& a, const RequestedContext& b) {
  return a.majorVersion == b.majorVersion && a.minorVersion == b.minorVersion && a.profileMask == b.profileMask;
}

void PrintTo(const RequestedContext& request, std::ostream* out) {
  *out << request.majorVersion << "." << request.minorVersion << " profile mask " << request.profileMask;
}

namespace {

struct AttributeSetting {
  SDL_GLattr attribute;
  int value;
  bool operator==(const AttributeSetting& other) const {
    return attribute == other.attribute && value == other.value;
  }
};

void PrintTo(const AttributeSetting& setting, std::ostream* out) {
  *out << "SDL_GLattr " << static_cast<int>(setting.attribute) << " = " << setting.value;
}

const std::vector<AttributeSetting> EngineRequest = {
    {SDL_GL_CONTEXT_MAJOR_VERSION, 3},
    {SDL_GL_CONTEXT_MINOR_VERSION, 3},
    {SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE},
    {SDL_GL_DOUBLEBUFFER, 1},
    {SDL_GL_DEPTH_SIZE, 24},
};

// Index of the first record that `match` accepts; the log's size when there is none.
template <typename Match>
std::size_t FindRecord(const std::vector<SdlCallRecord>& log, Match match) {
  return static_cast<std::size_t>(std::find_if(log.begin(), log.end(), match) - log.begin());
}

// The attributes set, in order, since SDL last put them back to their defaults (its video start-up
// or a reset); one set before video has started fails and is not kept.
std::vector<AttributeSetting> RequestInForce(const std::vector<SdlCallRecord>& log, std::size_t before) {
  std::vector<AttributeSetting> request;
  for (std::size_t at = 0; at < before; ++at) {
    const SdlCallRecord& record = log[at];
    const bool startsVideo = record.call == SdlCall::Init && (record.initFlags & SDL_INIT_VIDEO) != 0;
    if (startsVideo || record.call == SdlCall::ResetAttributes) request.clear();
    if (record.call == SdlCall::SetAttribute && record.result == 0) {
      request.push_back({record.attribute, record.value});
    }
  }
  return request;
}

// llvmpipe gives more than it is asked for, so only the request shows whether a stricter driver
// would give the show enough. Attributes set after the window is made count as well: SDL applies
// the version and profile only when it makes the context.
TEST_F(EngineTest, AsksForADoubleBuffered33CoreContextWithADepthBufferAndNothingElse) {
  const std::vector<SdlCallRecord>& log = SdlCallLog();
  const std::size_t window = FindRecord(log, [](const SdlCallRecord& record) {
    return record.call == SdlCall::CreateWindow && record.window == gEngine->window;
  });
  const std::size_t context = FindRecord(log, [](const SdlCallRecord& record) {
    return record.call == SdlCall::CreateContext && record.context == gEngine->glContext;
  });
  ASSERT_LT(window, log.size());
  ASSERT_LT(context, log.size());
  EXPECT_LT(window, context);
  EXPECT_EQ(log[context].window, gEngine->window);
  const std::pair<const char*, std::size_t> moments[] = {{"window made", window}, {"context made", context}};
  for (const auto& [name, at] : moments) {
    SCOPED_TRACE(name);
    EXPECT_EQ(RequestInForce(log, at), EngineRequest);
    EXPECT_EQ(log[at].requested, (RequestedContext{3, 3, SDL_GL_CONTEXT_PROFILE_CORE}));
  }
}

}  // namespace
}  // namespace brisa_test
