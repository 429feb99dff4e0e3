#include "announcer_view.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <cstring>

namespace lumo::cts4r {

namespace {

constexpr UINT kRefreshMessage = WM_APP + 1;
constexpr int kClientWidth = kDisplayWidth * kViewZoom + 2 * kViewPictureX;
constexpr int kClientHeight = 180;
constexpr int kLineHeight = 22;
constexpr int kSpokenY = kViewPictureY + kDisplayHeight * kViewZoom + 10;
// Below where the demo and the tests put the register window, so that no screen copy of
// the register window is covered.
constexpr int kWindowX = 240;
constexpr int kWindowY = 450;
constexpr wchar_t kSpokenLabel[] = L"\u8BED\u97F3: ";  // "语音: " (speech)

struct ViewState {
  std::wstring lines[2];
  std::wstring spoken;
  DisplayPicture picture;
};

// Written by the caller's thread, read by the window's thread.
SRWLOCK g_lock = SRWLOCK_INIT;
ViewState g_state;
std::atomic<HWND> g_window{nullptr};
// The window thread's own copy of the picture, for painting.
DisplayPicture g_painted;

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                         wide.data(), static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
  return wide;
}

HMODULE ThisModule(DWORD extra_flags) {
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | extra_flags,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &self);
  return self;
}

void Refresh(HWND window) {
  AcquireSRWLockShared(&g_lock);
  const ViewState state = g_state;
  ReleaseSRWLockShared(&g_lock);
  SetWindowTextW(GetDlgItem(window, kViewLine1Id), state.lines[0].c_str());
  SetWindowTextW(GetDlgItem(window, kViewLine2Id), state.lines[1].c_str());
  SetWindowTextW(GetDlgItem(window, kViewSpokenId), (kSpokenLabel + state.spoken).c_str());
  g_painted = state.picture;
  RECT area{kViewPictureX, kViewPictureY, kViewPictureX + kDisplayWidth * kViewZoom,
            kViewPictureY + kDisplayHeight * kViewZoom};
  InvalidateRect(window, &area, FALSE);
}

void PaintPicture(HDC dc) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = kDisplayWidth;
  info.header.biHeight = -kDisplayHeight;  // top-down, as DisplayPicture stores its rows
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.colours[1] = RGBQUAD{255, 255, 255, 0};
  constexpr int kStride = (kDisplayRowBytes + 3) / 4 * 4;
  std::array<std::uint8_t, kStride * kDisplayHeight> rows{};
  for (int y = 0; y < kDisplayHeight; ++y) {
    std::memcpy(rows.data() + y * kStride, g_painted.Row(y), kDisplayRowBytes);
  }
  Rectangle(dc, kViewPictureX - 1, kViewPictureY - 1, kViewPictureX + kDisplayWidth * kViewZoom + 1,
            kViewPictureY + kDisplayHeight * kViewZoom + 1);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, kViewPictureX, kViewPictureY, kDisplayWidth * kViewZoom,
                kDisplayHeight * kViewZoom, 0, 0, kDisplayWidth, kDisplayHeight, rows.data(),
                reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
}

void AddText(HWND window, int id, int y) {
  HWND text = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, kViewPictureX,
                              y, kDisplayWidth * kViewZoom, kLineHeight, window,
                              reinterpret_cast<HMENU>(INT_PTR{id}), ThisModule(0), nullptr);
  SendMessageW(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

LRESULT CALLBACK ViewProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      AddText(window, kViewLine1Id, 8);
      AddText(window, kViewLine2Id, 8 + kLineHeight + 4);
      AddText(window, kViewSpokenId, kSpokenY);
      return 0;
    case kRefreshMessage:
      Refresh(window);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      PaintPicture(dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      g_window.store(nullptr);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

DWORD WINAPI ViewThread(void*) {
  WNDCLASSW view_class{};
  view_class.lpfnWndProc = ViewProc;
  view_class.hInstance = ThisModule(0);
  view_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  view_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  view_class.lpszClassName = kViewClass;
  RegisterClassW(&view_class);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_NOACTIVATE);
  // "报价器" (announcer): what the customer sees and hears.
  HWND window = CreateWindowExW(WS_EX_NOACTIVATE, kViewClass, L"\u62A5\u4EF7\u5668 (cts4r)", style,
                                kWindowX, kWindowY, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, ThisModule(0), nullptr);
  if (window == nullptr) {
    return 1;
  }
  // Published before the first refresh: a change made after this refresh has read the
  // state is posted, one made before it is read by it.
  g_window.store(window);
  Refresh(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    DispatchMessageW(&msg);
  }
  return 0;
}

bool StartIfWanted() {
  char value[4] = {};
  if (GetEnvironmentVariableA("LUMO_ANNOUNCER_WINDOW", value, sizeof value) != 1 ||
      value[0] != '1') {
    return false;
  }
  // The thread runs code of this DLL until the process ends: the DLL must stay loaded.
  ThisModule(GET_MODULE_HANDLE_EX_FLAG_PIN);
  HANDLE thread = CreateThread(nullptr, 0, ViewThread, nullptr, 0, nullptr);
  if (thread == nullptr) {
    return false;
  }
  CloseHandle(thread);
  return true;
}

// Outside the template: a static in it would start one window per kind of change.
bool Shown() {
  static const bool shown = StartIfWanted();
  return shown;
}

template <typename Change>
void Update(Change change) {
  if (!Shown()) {
    return;
  }
  AcquireSRWLockExclusive(&g_lock);
  change(g_state);
  ReleaseSRWLockExclusive(&g_lock);
  if (HWND window = g_window.load()) {
    PostMessageW(window, kRefreshMessage, 0, 0);
  }
}

}  // namespace

void ViewClear() {
  Update([](ViewState& state) {
    state.lines[0].clear();
    state.lines[1].clear();
  });
}

void ViewPrint(int line, const std::string& text) {
  if (line == 1 || line == 2) {
    Update([&](ViewState& state) { state.lines[line - 1] = Wide(text); });
  }
}

void ViewSpeak(const std::string& text) {
  Update([&](ViewState& state) { state.spoken = Wide(text); });
}

void ViewPicture(const DisplayPicture& picture) {
  Update([&](ViewState& state) { state.picture = picture; });
}

}  // namespace lumo::cts4r
