// The release folder: where `cmake --install` puts it, what it holds, and the programs played from inside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "show_output.h"
#include "support/file_contents.h"
#include "support/mod_fixture.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

namespace {

using brisa_test::ChildResult;
using brisa_test::ReadFile;
using brisa_test::ScopedWorkDir;

constexpr const char* SoundFile = "sorvane-output.raw";
constexpr int RunLimitSeconds = 240;

const std::set<std::string> ReleasePrograms = {"Brisa2024-480", "Brisa2024-720", "Brisa2024-1080"};

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// Where the build was configured without an install prefix, a bare install puts the show.
constexpr const char* DefaultFolder = BRISA_BINARY_DIR "/Brisa2024-Lindora";

enum class Placement { Prefix, Bare };

// Installs this build with `--prefix DIR`, or with no prefix under DIR as DESTDIR so that nothing
// outside DIR is touched; empty when that worked, else the installer's output.
std::string InstallInto(const ScopedWorkDir& dir, Placement placement = Placement::Prefix) {
  const std::string log = brisa_test::MakeTempFile("brisa-install");
  const std::string install = Quoted(BRISA_CMAKE_COMMAND) + " --install " + Quoted(BRISA_BINARY_DIR);
  const std::string command = (placement == Placement::Prefix ? install + " --prefix " + Quoted(dir.path())
                                                               : "DESTDIR=" + Quoted(dir.path()) + " " + install) +
                              " > " + Quoted(log) + " 2>&1";
  const int status = brisa_test::RunCommand(command);
  const std::string output = ReadFile(log);
  fs::remove(log);
  return status == 0 ? "" : "exit " + std::to_string(status) + ":\n" + output;
}

std::set<std::string> TopLevelNames(const std::string& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Every regular file under `folder`, as paths relative to it.
std::set<std::string> FilesUnder(const std::string& folder) {
  std::set<std::string> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), folder).string());
  }
  return files;
}

// The program's dynamic section as `readelf -d` prints it; nullopt when readelf fails.
std::optional<std::string> DynamicSection(const std::string& program) {
  const std::string listing = brisa_test::MakeTempFile("brisa-readelf");
  const int status = brisa_test::RunCommand("readelf -d " + Quoted(program) + " > " + Quoted(listing));
  const std::string section = ReadFile(listing);
  fs::remove(listing);
  if (status != 0) return std::nullopt;
  return section;
}

// The RPATH and RUNPATH lines of a dynamic section.
std::string LibrarySearchPaths(const std::string& section) {
  std::istringstream lines(section);
  std::string paths;
  for (std::string line; std::getline(lines, line);) {
    if (line.find("RPATH") != std::string::npos || line.find("RUNPATH") != std::string::npos) paths += line + "\n";
  }
  return paths;
}

// The names of a dynamic section's NEEDED libraries: "(NEEDED) Shared library: [libc.so.6]".
std::set<std::string> NeededLibraries(const std::string& section) {
  std::istringstream lines(section);
  std::set<std::string> names;
  for (std::string line; std::getline(lines, line);) {
    const size_t open = line.find('[');
    if (line.find("(NEEDED)") == std::string::npos || open == std::string::npos) continue;
    names.insert(line.substr(open + 1, line.find(']', open) - open - 1));
  }
  return names;
}

// What the README asks of the user's machine: Debian's libsdl2-2.0-0 and libmodplug1, beside the C
// and C++ runtime and GL that every system with an OpenGL driver has.
const std::set<std::string> ReleaseRuntimeLibraries = {
    "libSDL2-2.0.so.0", "libmodplug.so.1", "libc.so.6", "libm.so.6", "libstdc++.so.6", "libgcc_s.so.1", "libGL.so.1"};

// A sanitized build's programs also load the sanitizers' runtimes, which no release is built with.
bool IsSanitizerRuntime(const std::string& library) {
  const bool sanitized = std::string(BRISA_SANITIZERS) != "";
  return sanitized && library.rfind("lib", 0) == 0 && library.find("san.so") != std::string::npos;
}

std::vector<std::string> PlayedPrograms() {
  std::istringstream names(BRISA_PLAYED_PROGRAMS);
  std::vector<std::string> programs;
  for (std::string name; names >> name;) programs.push_back(name);
  return programs;
}

// About two seconds of music: two orders of eight rows.
brisa_test::ModFixture ShortSong() {
  brisa_test::ModFixture song;
  song.orders = 2;
  song.rowsPerPattern = 8;
  return song;
}

// The path, from DIR down, of the one folder an install into DIR makes.
std::string FolderFromTop(Placement placement) {
  return placement == Placement::Prefix ? "" : fs::path(DefaultFolder).relative_path().string();
}

TEST(Install, TheFolderHoldsTheThreeProgramsBesideTheStagedAssetsAndNothingElse) {
  struct Case {
    const char* what;
    Placement placement;
  };
  const Case cases[] = {{"--prefix DIR", Placement::Prefix}, {"no prefix", Placement::Bare}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedWorkDir dir;
    ASSERT_EQ(InstallInto(dir, c.placement), "");
    const std::string folderFromTop = FolderFromTop(c.placement);
    const std::string folder = dir.path() + "/" + folderFromTop;
    ASSERT_TRUE(fs::is_directory(folder)) << folder << " was not made";
    std::set<std::string> expected = ReleasePrograms;
    expected.insert("Assets");
    ASSERT_EQ(TopLevelNames(folder), expected);
    for (const std::string& file : FilesUnder(dir.path())) {
      EXPECT_EQ(file.rfind(folderFromTop, 0), 0u) << file << " is outside the show's folder";
    }
    for (const std::string& program : ReleasePrograms) {
      SCOPED_TRACE(program);
      const fs::perms permissions = fs::status(folder + "/" + program).permissions();
      EXPECT_NE(permissions & fs::perms::owner_exec, fs::perms::none) << "installed as a program";
    }
    const std::set<std::string> staged = FilesUnder(brisa_test::StagedPath("Assets"));
    ASSERT_EQ(FilesUnder(folder + "/Assets"), staged);
    for (const std::string& file : staged) {
      EXPECT_TRUE(ReadFile(folder + "/Assets/" + file) == ReadFile(brisa_test::StagedPath("Assets/" + file)))
          << file << " differs from the staged one";
    }
  }
}

// The folder runs where only the README's packages are installed: nothing of the build machine's,
// neither a library of the build tree nor one such as Debian's libstb, is loaded at run time.
TEST(Install, TheProgramsNeedOnlyTheReadmesLibrariesAndLookForNoneInTheSourceOrBuildTree) {
  ScopedWorkDir dir;
  ASSERT_EQ(InstallInto(dir), "");
  for (const std::string& program : ReleasePrograms) {
    SCOPED_TRACE(program);
    const std::optional<std::string> section = DynamicSection(dir.path() + "/" + program);
    ASSERT_TRUE(section.has_value()) << "readelf could not read it";
    const std::string paths = LibrarySearchPaths(*section);
    EXPECT_EQ(paths.find(BRISA_BINARY_DIR), std::string::npos) << paths;
    EXPECT_EQ(paths.find(BRISA_SOURCE_DIR), std::string::npos) << paths;
    const std::set<std::string> needed = NeededLibraries(*section);
    // SDL is always needed: a listing read wrongly names none.
    EXPECT_EQ(needed.count("libSDL2-2.0.so.0"), 1u) << *section;
    for (const std::string& library : needed) {
      EXPECT_TRUE(ReleaseRuntimeLibraries.count(library) == 1 || IsSanitizerRuntime(library))
          << program << " needs " << library;
    }
  }
}

// The real images, meshes and shaders of the release, with a short song in place of the real one.
TEST(Install, EachProgramPlaysAShortSongFromTheFolderToItsEnd) {
  const std::vector<std::string> programs = PlayedPrograms();
  ASSERT_FALSE(programs.empty());
  for (const std::string& program : programs) {
    SCOPED_TRACE(program);
    ScopedWorkDir dir;
    ASSERT_EQ(InstallInto(dir), "");
    const std::string module = brisa_test::MakeTestModule(ShortSong());
    dir.WriteFile("Assets/sorvane.mod", module);
    const ChildResult run =
        brisa_test::RunChild(dir.path() + "/" + program, brisa_test::UnattendedWithDiskAudio(SoundFile), RunLimitSeconds);
    ASSERT_TRUE(run.exited) << run.err;
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(brisa_test::ProgramErrors(run.err), "");
    EXPECT_EQ(brisa_test::SongWrittenWhole(ReadFile(SoundFile), brisa_test::MixedSong(module)), "");
  }
}

}  // namespace
