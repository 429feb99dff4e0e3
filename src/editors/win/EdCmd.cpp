#include "editors/win/EdCmd.h"

#include <climits>

#include "editors/command_lines.h"
#include "editors/win/glyph_button.h"
#include "editors/win/modal_loop.h"

namespace lumo {

namespace {

constexpr int kClientWidth = 378;
constexpr int kClientHeight = 265;
constexpr int kBottomPanelHeight = 57;
constexpr int kRightPanelWidth = 105;
constexpr int kPanelTop = kClientHeight - kBottomPanelHeight;  // 208
constexpr int kPanelLeft = kClientWidth - kRightPanelWidth;    // 273

void RegisterFormClass(WNDPROC proc) {
  static bool registered = false;
  if (registered) {
    return;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = TEdCmdForm::kClassName;
  RegisterClassExW(&wc);
  registered = true;
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y,
           int width, int height, int id) {
  HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont()), FALSE);
  return child;
}

}  // namespace

TEdCmdForm::TEdCmdForm() {
  RegisterFormClass(WindowProc);
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  hwnd_ =
      CreateCentredWindow(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kClassName, L"编辑报价器指令",
                          style, kClientWidth, kClientHeight, GetActiveWindow(), this);
  CreateControls();
}

TEdCmdForm::~TEdCmdForm() {
  if (hwnd_) {
    DestroyWindow(hwnd_);
  }
}

void TEdCmdForm::CreateControls() {
  // Creation order is tab order: the bottom panel, the right panel, then the memo.
  const int bottom = kPanelTop + 19;
  Child(hwnd_, L"BUTTON", L"校验(&V)", WS_TABSTOP | BS_PUSHBUTTON, 198, bottom, 75, 25, kButton3);
  Child(hwnd_, L"BUTTON", L"语音指令", WS_TABSTOP | BS_PUSHBUTTON, 8, bottom, 75, 25, kButton1);
  Child(hwnd_, L"BUTTON", L"显示指令", WS_TABSTOP | BS_PUSHBUTTON, 89, bottom, 75, 25, kButton2);
  HWND ok = CreateGlyphButton(hwnd_, kBitBtn1, L"确定", kPanelLeft + 16, 9, 75, 25);
  HWND cancel = CreateGlyphButton(hwnd_, kBitBtn2, L"取消", kPanelLeft + 16, 49, 75, 25);
  SendMessageW(ok, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont()), FALSE);
  SendMessageW(cancel, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont()), FALSE);
  Child(hwnd_, L"STATIC", L"有效格式:", SS_LEFT, kPanelLeft + 19, 104, 80, 13, -1);
  Child(hwnd_, L"STATIC", L"Speak=...", SS_LEFT, kPanelLeft + 19, 128, 80, 13, -1);
  Child(hwnd_, L"STATIC", L"Display=...", SS_LEFT, kPanelLeft + 19, 152, 80, 13, -1);
  // The command lines are system texts: an ANSI control keeps them as code-page bytes.
  // No word wrap, so that a memo line is always one command line.
  memo1_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                               ES_AUTOHSCROLL | ES_WANTRETURN,
                           0, 0, kPanelLeft, kPanelTop, hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kMemo1)),
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(memo1_, WM_SETFONT, reinterpret_cast<WPARAM>(EditorFont()), FALSE);
}

void TEdCmdForm::SetLines(const std::vector<std::string>& lines) {
  SetWindowTextA(memo1_, MemoTextOf(lines).c_str());
}

std::string TEdCmdForm::MemoText() const {
  const int length = GetWindowTextLengthA(memo1_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(memo1_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::vector<std::string> TEdCmdForm::Lines() const {
  return MemoLines(MemoText());
}

bool TEdCmdForm::VerifyCommands() const {
  return lumo::VerifyCommands(Lines());
}

int TEdCmdForm::ShowModal() {
  SetFocus(memo1_);
  RunModal(hwnd_, &modal_result_);
  return modal_result_;
}

void TEdCmdForm::InsertLine(const char* line) {
  const CommandLineInsert insert = AppendCommandLine(MemoText(), line);
  // Positions past the end are clamped to it, whatever unit the control counts in.
  SendMessageA(memo1_, EM_SETSEL, INT_MAX, INT_MAX);
  SendMessageA(memo1_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert.text.c_str()));
  if (insert.select_line_break) {
    DWORD start = 0;
    SendMessageA(memo1_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    // Anchor at the end, caret before the line break: typing goes on after the "=".
    SendMessageA(memo1_, EM_SETSEL, start, start - 2);
  }
  SetFocus(memo1_);
}

void TEdCmdForm::Button3Click() {
  if (VerifyCommands()) {
    MessageBoxW(hwnd_, L"校验通过", L"校验", MB_OK | MB_ICONINFORMATION);
  } else {
    MessageBoxW(hwnd_, L"校验失败", L"校验", MB_OK | MB_ICONERROR);
  }
}

void TEdCmdForm::BitBtn1Click() {
  // Invalid lines are reported by the verify button only; OK just stays.
  if (VerifyCommands()) {
    modal_result_ = IDOK;
  }
}

void TEdCmdForm::OnCommand(int id) {
  switch (id) {
    case kButton1:
      Button1Click();
      break;
    case kButton2:
      Button2Click();
      break;
    case kButton3:
      Button3Click();
      break;
    case kBitBtn1:
      BitBtn1Click();
      break;
    case kBitBtn2:
      modal_result_ = IDCANCEL;
      break;
    default:
      break;
  }
}

void TEdCmdForm::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT bottom{0, kPanelTop, kClientWidth, kClientHeight};
  RECT right{kPanelLeft, 0, kClientWidth, kPanelTop};
  DrawEdge(dc, &bottom, BDR_RAISEDINNER, BF_RECT);
  DrawEdge(dc, &right, BDR_RAISEDINNER, BF_RECT);
  EndPaint(hwnd_, &ps);
}

LRESULT TEdCmdForm::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        OnCommand(LOWORD(wparam));
      }
      return 0;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      const bool ok = item->CtlID == static_cast<UINT>(kBitBtn1);
      DrawGlyphButton(*item, ok ? ButtonGlyph::kCheck : ButtonGlyph::kCross, ok);
      return TRUE;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      modal_result_ = IDCANCEL;  // the close box gives Cancel
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

LRESULT CALLBACK TEdCmdForm::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<TEdCmdForm*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TEdCmdForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

}  // namespace lumo
