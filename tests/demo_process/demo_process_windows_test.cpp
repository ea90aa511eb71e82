// The program as a process on Windows: its window as the system sees it, and the Escape key posted to it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "child_process.h"
#include "config/screen.h"
#include "demo_run.h"
#include "show_output.h"
#include "support/demo_assets.h"
#include "support/file_contents.h"
#include "support/work_dir.h"

namespace brisa_test {
namespace {

constexpr const char* WindowTitle = "Brisa Demo 2024 Lindora";
// Two seconds of sound: the second of silence the program waits before the song, then the song.
constexpr long PlayingBytes = 2L * 176400;
// Two more seconds of sound, played on once the keys that must not end the show were sent.
constexpr long ShowGoesOnBytes = 2L * 176400;

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK KeepTheShowsWindow(HWND window, LPARAM searchAddress) {
  auto* search = reinterpret_cast<WindowSearch*>(searchAddress);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char title[64] = {};
  GetWindowTextA(window, title, sizeof title);
  if (owner != search->processId || std::string(title) != WindowTitle) return TRUE;
  search->found = window;
  return FALSE;
}

// The top-level window of that title that the child owns: the test programs of the other sizes may
// have theirs open at the same time.
HWND ShowWindowOf(const ChildProcess& child) {
  WindowSearch search{static_cast<DWORD>(child.Id()), nullptr};
  EnumWindows(KeepTheShowsWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A key message as the keyboard driver makes it: one press, the scan code in bits 16-23, and for
// a release the previous-state and transition bits.
void PostKey(HWND window, UINT message, WPARAM virtualKey) {
  const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC));
  LPARAM flags = 1 | (scanCode << 16);
  if (message == WM_KEYUP) flags |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  PostMessageA(window, message, virtualKey, flags);
}

// SDL's disk driver shares its file with no one while it writes, so what it holds is read only once
// the program has ended; its size grows at the device's pace from the moment the device opens until
// the song stops. True once the file holds `bytes` with the program still running.
bool WaitForSound(ChildProcess& child, long bytes, int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (child.Running() && std::chrono::steady_clock::now() < deadline) {
    if (FileSize(DemoSoundFile) >= bytes) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

// The long song playing in the show's window (every run on Windows has one); null when none showed.
HWND StartShowInWindow(ChildProcess& child) {
  if (!WaitForSound(child, PlayingBytes, DemoRunLimitSeconds)) return nullptr;
  return ShowWindowOf(child);
}

TEST(DemoProcess, TheWindowIsBorderlessCentredAndAtTheBuildsSize) {
  ScopedWorkDir dir;
  WriteDemoAssets(dir, LongSong(), true);
  ChildProcess child(DemoProgram, DemoUnattended());
  const HWND window = StartShowInWindow(child);
  ASSERT_NE(window, nullptr) << "no window \"" << WindowTitle << "\" of the show's process";

  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME), 0) << "style " << std::hex << style;
  RECT client{};
  ASSERT_TRUE(GetClientRect(window, &client));
  EXPECT_EQ(client.right - client.left, ScreenWidth);
  EXPECT_EQ(client.bottom - client.top, ScreenHeight);
  RECT frame{};
  ASSERT_TRUE(GetWindowRect(window, &frame));
  EXPECT_EQ(frame.right - frame.left, ScreenWidth) << "no frame around the picture";
  EXPECT_EQ(frame.bottom - frame.top, ScreenHeight) << "no frame around the picture";
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - ScreenWidth) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - ScreenHeight) / 2);
}

TEST(DemoProcess, EscapeEndsTheShow) {
  ScopedWorkDir dir;
  WriteDemoAssets(dir, LongSong(), true);
  ChildProcess child(DemoProgram, DemoUnattended());
  const HWND window = StartShowInWindow(child);
  ASSERT_NE(window, nullptr) << "no window \"" << WindowTitle << "\" of the show's process";
  // Releasing a key, or pressing another one, does nothing.
  PostKey(window, WM_KEYDOWN, VK_SPACE);
  PostKey(window, WM_KEYUP, VK_SPACE);
  PostKey(window, WM_KEYUP, VK_ESCAPE);
  EXPECT_TRUE(WaitForSound(child, FileSize(DemoSoundFile) + ShowGoesOnBytes, DemoRunLimitSeconds))
      << "the song went on";
  PostKey(window, WM_KEYDOWN, VK_ESCAPE);
  const ChildResult run = child.Wait(DemoRunLimitSeconds);
  ASSERT_TRUE(run.exited);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_LT(FileSize(DemoSoundFile), LongSongPartBytes);
  EXPECT_FALSE(OnlySilence(ReadFile(DemoSoundFile))) << "the song had started";
}

}  // namespace
}  // namespace brisa_test
