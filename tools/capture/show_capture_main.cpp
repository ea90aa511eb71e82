// brisa_show_capture_<size>: the show played offline into chosen frames, a contact sheet and a WAV file.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "demo/close_engine.h"
#include "tools/capture/capture_options.h"
#include "tools/capture/capture_recorder.h"
#include "tools/capture/show_driver.h"
#include "tools/capture/wav_file.h"
#include "tools/common/image.h"

namespace {

using namespace show_capture;

enum ExitCode : int {
  ExitDone = 0,
  ExitUsage = 2,
  ExitAssetsMissing = 3,
  ExitShowFailed = 4,
  ExitOutputFailed = 5,
  ExitFrameNeverShown = 6,
};

constexpr const char* AssetsFolder = "Assets";
constexpr const char* SongPath = "Assets/sorvane.mod";

bool AssetsHere() {
  std::error_code error;
  if (!std::filesystem::is_directory(AssetsFolder, error)) {
    std::fprintf(stderr, "error: no %s/ folder in %s; run from the stage folder\n", AssetsFolder,
                 std::filesystem::current_path(error).c_str());
    return false;
  }
  if (!std::filesystem::is_regular_file(SongPath, error)) {
    std::fprintf(stderr, "error: %s is missing\n", SongPath);
    return false;
  }
  return true;
}

bool MakeOutputDir(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (std::filesystem::is_directory(path, error)) return true;
  std::fprintf(stderr, "error: cannot make the output folder %s\n", path.c_str());
  return false;
}

int ReportShowFailure(ShowOutcome outcome) {
  switch (outcome) {
    case ShowOutcome::SetUpFailed:
      std::fprintf(stderr, "error: scene set-up failed (an effect shader or Assets/greets.png is missing)\n");
      return ExitAssetsMissing;
    case ShowOutcome::SongMissing:
      std::fprintf(stderr, "error: %s cannot be read\n", SongPath);
      return ExitAssetsMissing;
    case ShowOutcome::SongUnplayable:
      std::fprintf(stderr, "error: %s is not a module libmodplug can play\n", SongPath);
      return ExitShowFailed;
    case ShowOutcome::Played:
      break;
  }
  return ExitDone;
}

// Writes the sheet and the soundtrack when asked; false when a file could not be written.
bool WriteWholeShowFiles(const CaptureOptions& options, const CaptureRecorder& recorder, const ShowRun& run) {
  bool written = true;
  if (options.sheetEveryMs > 0) {
    const std::string path = options.outputDir + "/contact_sheet.png";
    const bool ok = tools::WritePng(path, recorder.sheet().Picture(), tools::FailQuietly);
    if (ok) std::printf("%s: %d pictures\n", path.c_str(), recorder.sheet().count());
    written = written && ok;
  }
  if (options.wav) {
    const std::string path = options.outputDir + "/soundtrack.wav";
    const bool ok = WriteWav(path, run.soundtrack);
    if (ok) std::printf("%s: %zu bytes of music\n", path.c_str(), run.soundtrack.size());
    written = written && ok;
  }
  if (!written) std::fprintf(stderr, "error: cannot write into %s\n", options.outputDir.c_str());
  return written;
}

int Capture(const CaptureOptions& options) {
  CaptureRecorder recorder(options.outputDir, FrameSelection(options.frames, options.sheetEveryMs),
                           options.sheetEveryMs > 0);
  const ShowRun run = PlayShow(recorder);
  if (run.outcome != ShowOutcome::Played) {
    CloseEngine();
    return ReportShowFailure(run.outcome);
  }
  std::printf("show: %lld frames, %lld drawn\n", static_cast<long long>(run.frames),
              static_cast<long long>(run.renderedFrames));
  const bool written = WriteWholeShowFiles(options, recorder, run);
  CloseEngine();
  for (const std::string& path : recorder.failedFiles()) std::fprintf(stderr, "error: cannot write %s\n", path.c_str());
  if (!written || !recorder.failedFiles().empty()) return ExitOutputFailed;
  const std::vector<FrameChoice> missed = recorder.selection().Unfulfilled();
  for (const FrameChoice& choice : missed) std::fprintf(stderr, "error: no frame at %s\n", choice.Label().c_str());
  return missed.empty() ? ExitDone : ExitFrameNeverShown;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const std::optional<CaptureOptions> options = ParseCaptureOptions(arguments);
  const std::string program = std::filesystem::path(argc > 0 ? argv[0] : "brisa_show_capture").filename();
  if (!options) {
    std::fprintf(stderr, "%s", CaptureUsage(program).c_str());
    return ExitUsage;
  }
  if (!AssetsHere()) return ExitAssetsMissing;
  if (!MakeOutputDir(options->outputDir)) return ExitOutputFailed;
  return Capture(*options);
}
