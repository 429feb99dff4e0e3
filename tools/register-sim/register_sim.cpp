// A plain register window: a few labelled amount fields, one of them inside a panel, an
// optional pattern area and an optional amount display in a register's colours. Tests and
// the demo drive it through register_sim_protocol.h.
#include <windows.h>

#include <string>

#include "command_line.h"
#include "register_sim_protocol.h"

namespace {

using namespace register_sim;

constexpr wchar_t kPanelClass[] = L"LumoRegisterSimPanel";
constexpr wchar_t kPatternClass[] = L"LumoRegisterSimPattern";
constexpr wchar_t kDisplayClass[] = L"LumoRegisterSimDisplay";
constexpr UINT_PTR kHangTimer = 1;

Options g_options;
const Screen* g_screen = nullptr;  // with --screen
HFONT g_display_font = nullptr;

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

const Screen* FindScreen(const std::string& name) {
  for (const Screen& screen : kScreens) {
    if (name == screen.name) {
      return &screen;
    }
  }
  return nullptr;
}

HWND AddControl(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int id,
                int x, int y, int width, int height) {
  HWND control = CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                 height, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                                 GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

void AddAmountRow(HWND parent, int label_id, const wchar_t* label, int edit_id, int y) {
  AddControl(parent, L"STATIC", label, SS_RIGHT, label_id, 8, y + 4, 96, 20);
  AddControl(parent, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, edit_id, 112, y, 220, 24);
}

// Creation order is the order EnumChildWindows reports (kDescendantOrder).
void CreateControls(HWND window) {
  AddAmountRow(window, kAmountDueLabelId, L"应付金额:", kAmountDueId, 16);
  HWND panel = AddControl(window, kPanelClass, L"", 0, kPanelId, 0, 52, kClientWidth, 40);
  AddAmountRow(panel, kMemberLabelId, L"会员:", kMemberId, 8);
  AddAmountRow(window, kTotalLabelId, L"合计:", kTotalId, 104);
  AddAmountRow(window, kChangeLabelId, L"找零:", kChangeId, 140);
  AddControl(window, kPatternClass, L"", 0, kPatternId, kPatternX, kPatternY, kPatternWidth,
             kPatternHeight);
  if (g_screen != nullptr) {
    AddControl(window, kDisplayClass, L"", 0, kAmountDisplayId, kDisplayX, kDisplayY, kDisplayWidth,
               kDisplayHeight);
  }
}

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchId(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<IdSearch*>(param);
  if (GetDlgCtrlID(window) == search->id) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Any descendant with that ID, so that nested controls can be set too.
HWND FindControl(HWND window, int id) {
  IdSearch search{id, nullptr};
  EnumChildWindows(window, MatchId, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

bool SetText(HWND window, int id, const std::string& text) {
  HWND target = id == 0 ? window : FindControl(window, id);
  return target && SetWindowTextA(target, text.c_str());
}

void Hang(DWORD milliseconds) {
  Sleep(milliseconds == 0 ? INFINITE : milliseconds);
}

WNDPROC g_read_proc = nullptr;  // the control's own procedure, under HangOnRead

LRESULT CALLBACK HangOnRead(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_GETTEXT) {
    Hang(0);
  }
  return CallWindowProcW(g_read_proc, control, message, wparam, lparam);
}

void HangOnReadOf(HWND window, int id) {
  HWND control = FindControl(window, id);
  if (control != nullptr && g_read_proc == nullptr) {
    g_read_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HangOnRead)));
  }
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT CALLBACK PatternProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT all{0, 0, kPatternWidth, kPatternHeight};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (g_options.pattern) {
    for (int y = 0; y < kPatternHeight; y += kPatternBlock) {
      for (int x = 0; x < kPatternWidth; x += kPatternBlock) {
        if (PatternPixelIsBlack(x, y)) {
          RECT block{x, y, x + kPatternBlock, y + kPatternBlock};
          FillRect(dc, &block, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
      }
    }
  }
  EndPaint(window, &paint);
  return 0;
}

LRESULT CALLBACK DisplayProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTEXT) {
    const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
    InvalidateRect(window, nullptr, FALSE);
    return result;
  }
  if (message != WM_PAINT) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT all{0, 0, kDisplayWidth, kDisplayHeight};
  const HBRUSH field = CreateSolidBrush(ToColorRef(g_screen->field));
  FillRect(dc, &all, field);
  DeleteObject(field);
  wchar_t text[64] = {};
  GetWindowTextW(window, text, 64);
  const HGDIOBJ old_font = SelectObject(dc, g_display_font);
  SetTextColor(dc, ToColorRef(g_screen->digits));
  SetBkMode(dc, TRANSPARENT);
  RECT text_box{kDisplayTextX, 0, kDisplayWidth, kDisplayHeight};
  DrawTextW(dc, text, -1, &text_box, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
  SelectObject(dc, old_font);
  EndPaint(window, &paint);
  return 0;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      CreateControls(window);
      return 0;
    case WM_COPYDATA: {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
      std::string text(static_cast<const char*>(data->lpData), data->cbData);
      // A terminator sent along is not part of the text.
      text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
      return SetText(window, static_cast<int>(data->dwData), text) ? TRUE : FALSE;
    }
    case WM_TIMER:
      if (wparam == kHangTimer) {
        KillTimer(window, kHangTimer);
        Hang(0);
      }
      return 0;
    case WM_SETFOCUS:
      // Activation gives the focus to the window itself: hand it on, caret and all.
      if (g_options.focus_id != 0) {
        SetFocus(FindControl(window, g_options.focus_id));
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      if (message == kHangMessage) {
        Hang(static_cast<DWORD>(wparam));
        return 0;
      }
      if (message == kHangOnReadMessage) {
        HangOnReadOf(window, static_cast<int>(wparam));
        return 0;
      }
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

void RegisterClasses(HINSTANCE instance) {
  WNDCLASSW window_class{};
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));

  window_class.lpfnWndProc = PanelProc;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kPanelClass;
  RegisterClassW(&window_class);

  window_class.lpfnWndProc = PatternProc;
  window_class.hbrBackground = nullptr;
  window_class.lpszClassName = kPatternClass;
  RegisterClassW(&window_class);

  window_class.lpfnWndProc = DisplayProc;
  window_class.lpszClassName = kDisplayClass;
  RegisterClassW(&window_class);

  window_class.lpfnWndProc = MainProc;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  std::wstring main_class(kWindowClass, kWindowClass + sizeof kWindowClass - 1);
  window_class.lpszClassName = main_class.c_str();
  RegisterClassW(&window_class);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  g_options = ParseOptions(SplitArguments(CommandLineTail(GetCommandLineA())));
  if (!g_options.screen.empty()) {
    g_screen = FindScreen(g_options.screen);
    if (g_screen == nullptr) {
      return 2;
    }
    g_display_font = CreateFontW(-kDisplayFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, kDisplayFont);
  }
  RegisterClasses(instance);

  const DWORD style = WS_OVERLAPPEDWINDOW;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRect(&frame, style, FALSE);
  std::wstring main_class(kWindowClass, kWindowClass + sizeof kWindowClass - 1);
  HWND window = CreateWindowExW(0, main_class.c_str(), L"收银台 - 演示", style, kWindowX, kWindowY,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
  if (!window) {
    return 1;
  }
  if (g_options.has_title) {
    SetWindowTextA(window, g_options.title.c_str());
  }
  SetText(window, kAmountDueId, kDefaultAmountDue);
  SetText(window, kTotalId, kDefaultTotal);
  SetText(window, kChangeId, kDefaultChange);
  SetText(window, kMemberId, kDefaultMember);
  SetText(window, kAmountDisplayId, kDefaultAmountDue);
  for (const auto& [id, text] : g_options.texts) {
    SetText(window, id, text);
  }
  ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);
  UpdateWindow(window);
  if (g_options.hang_after_ms > 0) {
    SetTimer(window, kHangTimer, g_options.hang_after_ms, nullptr);
  }

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
