#include "platform/win_capture_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/win_folder_files.h"

namespace lumo {

namespace {

// The prompt is drawn black on white; its anti-aliased edge counts as ink up to halfway.
bool IsDarkerThanMidGrey(std::uint32_t pixel) {
  return Brightness(pixel) < 128 * 1000;
}

}  // namespace

bool WinCaptureSystem::GetWindowLayout(WindowHandle window, WindowLayout& layout) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  RECT frame{};
  if (hwnd == nullptr || !GetWindowRect(hwnd, &frame)) {
    return false;
  }
  layout.width = frame.right - frame.left;
  layout.height = frame.bottom - frame.top;
  // The caret of the register's thread, where its focused control shows it. The rectangle
  // is in client coordinates of that control.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  layout.has_caret = GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread) &&
                     thread.hwndCaret != nullptr &&
                     (thread.hwndCaret == hwnd || IsChild(hwnd, thread.hwndCaret));
  if (layout.has_caret) {
    POINT corners[2] = {{thread.rcCaret.left, thread.rcCaret.top},
                        {thread.rcCaret.right, thread.rcCaret.bottom}};
    MapWindowPoints(thread.hwndCaret, nullptr, corners, 2);
    layout.caret = {corners[0].x - frame.left, corners[0].y - frame.top, corners[1].x - frame.left,
                    corners[1].y - frame.top};
  }
  return true;
}

bool WinCaptureSystem::CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                                      ColourRegion& target) {
  const HWND hwnd = reinterpret_cast<HWND>(window);
  // GetWindowDC of a null window is the whole screen: never copy that by mistake.
  if (hwnd == nullptr || !IsWindow(hwnd) || !copy_surface_.Reserve(target.width, target.height)) {
    return false;
  }
  const HDC source = GetWindowDC(hwnd);
  if (source == nullptr) {
    return false;
  }
  // Pixels the window DC cannot give (the window shrank since its size was read) stay white.
  copy_surface_.FillWhite(target.width, target.height);
  const BOOL copied = BitBlt(copy_surface_.Dc(), 0, 0, target.width, target.height, source,
                             rect.Left, rect.Top, SRCCOPY);
  ReleaseDC(hwnd, source);
  if (!copied) {
    return false;
  }
  GdiFlush();
  for (int y = 0; y < target.height; ++y) {
    const std::uint32_t* row = copy_surface_.Row(y);
    ColourPixel* out = target.pixels.data() +
                       static_cast<std::ptrdiff_t>(y) * static_cast<std::ptrdiff_t>(target.width);
    std::transform(row, row + target.width, out,
                   [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
  }
  return true;
}

void WinCaptureSystem::RenderPrompt(const std::string& text, PromptMask& mask) {
  mask.Reset(0, 0);
  // A fresh surface each time: its DC carries the default font and nothing else.
  DibSurface surface;
  if (!surface.Reserve(1, 1)) {
    return;
  }
  const int length = static_cast<int>(text.size());
  SIZE cell{};
  if (!GetTextExtentPoint32A(surface.Dc(), text.c_str(), length, &cell) || cell.cx <= 0 ||
      cell.cy <= 0 || !surface.Reserve(cell.cx, cell.cy)) {
    return;
  }
  surface.FillWhite(cell.cx, cell.cy);
  SetTextColor(surface.Dc(), RGB(0, 0, 0));
  SetBkColor(surface.Dc(), RGB(255, 255, 255));
  SetBkMode(surface.Dc(), OPAQUE);
  TextOutA(surface.Dc(), 0, 0, text.c_str(), length);
  GdiFlush();
  mask.Reset(cell.cx, cell.cy);
  for (int y = 0; y < cell.cy; ++y) {
    const std::uint32_t* row = surface.Row(y);
    for (int x = 0; x < cell.cx; ++x) {
      mask.ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(cell.cx) +
               static_cast<std::size_t>(x)] = IsDarkerThanMidGrey(row[x] & 0x00FFFFFFu) ? 1 : 0;
    }
  }
}

bool WinCaptureSystem::WriteFile(const std::string& path, const std::uint8_t* bytes,
                                 std::size_t size) {
  // No system error box either (a removed drive would raise one on every tick).
  DWORD previous_mode = 0;
  SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_mode);
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  bool written = false;
  if (file != INVALID_HANDLE_VALUE) {
    DWORD count = 0;
    written = ::WriteFile(file, bytes, static_cast<DWORD>(size), &count, nullptr) && count == size;
    written = CloseHandle(file) && written;
  }
  SetThreadErrorMode(previous_mode, nullptr);
  return written;
}

void WinCaptureSystem::ListFolderFiles(const std::string& folder, std::vector<std::string>& names) {
  FindFolderFiles(folder, names);
}

std::uint64_t WinCaptureSystem::HighResolutionCounter() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  return static_cast<std::uint64_t>(counter.QuadPart);
}

}  // namespace lumo
