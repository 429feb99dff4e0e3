#include "editors/win/command_editor.h"

#include <climits>

#include "editors/command_lines.h"
#include "editors/win/glyph_button.h"
#include "platform/program_log.h"
#include "platform/wnd.h"

namespace lumo {

namespace {

constexpr int kClientWidth = 378;
constexpr int kClientHeight = 265;
constexpr int kBottomPanelHeight = 57;
constexpr int kRightPanelWidth = 105;
constexpr int kPanelTop = kClientHeight - kBottomPanelHeight;  // 208
constexpr int kPanelLeft = kClientWidth - kRightPanelWidth;    // 273

}  // namespace

CommandEditor::CommandEditor() {
  CreateWnd({.class_name = kClassName,
             .title = L"编辑报价器指令",
             .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
             .ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
             .width = kClientWidth,
             .height = kClientHeight,
             .client_size = true,
             .owner = GetActiveWindow()});
  CreateControls();
}

void CommandEditor::CreateControls() {
  HWND form = Handle();
  // Creation order is tab order: the bottom panel, the right panel, then the memo.
  const int bottom = kPanelTop + 19;
  auto button = [&](int id, const wchar_t* caption, int x, int y, DWORD kind) {
    CreateControl(form, {.class_name = L"BUTTON",
                         .text = caption,
                         .x = x,
                         .y = y,
                         .width = 75,
                         .height = 25,
                         .id = id,
                         .style = WS_TABSTOP | kind});
  };
  button(kVerifyButton, L"校验(&V)", 198, bottom, BS_PUSHBUTTON);
  button(kSpeakButton, L"语音指令", 8, bottom, BS_PUSHBUTTON);
  button(kDisplayButton, L"显示指令", 89, bottom, BS_PUSHBUTTON);
  // OK and Cancel carry a glyph before the caption: drawn by the form.
  button(kOkButton, L"确定", kPanelLeft + 16, 9, BS_OWNERDRAW);
  button(kCancelButton, L"取消", kPanelLeft + 16, 49, BS_OWNERDRAW);
  CreateLabel(form, -1, L"有效格式:", kPanelLeft + 19, 104);
  CreateLabel(form, -1, L"Speak=...", kPanelLeft + 19, 128);
  CreateLabel(form, -1, L"Display=...", kPanelLeft + 19, 152);
  // The command lines are system texts: an ANSI control keeps them as code-page bytes.
  // No word wrap, so that a memo line is always one command line.
  memo_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL |
                              ES_AUTOHSCROLL | ES_WANTRETURN,
                          0, 0, kPanelLeft, kPanelTop, form,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCommandsMemo)),
                          GetModuleHandleW(nullptr), nullptr);
  SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
}

void CommandEditor::SetLines(const std::vector<std::string>& lines) {
  SetWindowTextA(memo_, MemoTextOf(lines).c_str());
}

std::string CommandEditor::MemoText() const {
  const int length = GetWindowTextLengthA(memo_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(memo_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::vector<std::string> CommandEditor::Lines() const {
  return MemoLines(MemoText());
}

bool CommandEditor::VerifyCommands() const {
  return lumo::VerifyCommands(Lines());
}

void CommandEditor::InsertLine(const char* line) {
  const CommandLineInsert insert = AppendCommandLine(MemoText(), line);
  // Positions past the end are clamped to it, whatever unit the control counts in.
  SendMessageA(memo_, EM_SETSEL, INT_MAX, INT_MAX);
  SendMessageA(memo_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert.text.c_str()));
  if (insert.select_line_break) {
    DWORD start = 0;
    SendMessageA(memo_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    // Anchor at the end, caret before the line break: typing goes on after the "=".
    SendMessageA(memo_, EM_SETSEL, start, start - 2);
  }
  SetFocus(memo_);
}

void CommandEditor::OnVerify() {
  if (VerifyCommands()) {
    MessageBoxW(Handle(), L"校验通过", L"校验", MB_OK | MB_ICONINFORMATION);
  } else {
    LogErrorBox(L"校验失败");
    MessageBoxW(Handle(), L"校验失败", L"校验", MB_OK | MB_ICONERROR);
  }
}

void CommandEditor::OnOk() {
  // Invalid lines are reported by the verify button only; OK just stays.
  if (VerifyCommands()) {
    EndModal(IDOK);
  }
}

bool CommandEditor::OnCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) {
    return false;
  }
  switch (id) {
    case kSpeakButton:
      OnSpeak();
      return true;
    case kDisplayButton:
      OnDisplay();
      return true;
    case kVerifyButton:
      OnVerify();
      return true;
    case kOkButton:
      OnOk();
      return true;
    case kCancelButton:
      EndModal(IDCANCEL);
      return true;
    default:
      return false;
  }
}

void CommandEditor::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT bottom{0, kPanelTop, kClientWidth, kClientHeight};
  RECT right{kPanelLeft, 0, kClientWidth, kPanelTop};
  DrawEdge(dc, &bottom, BDR_RAISEDINNER, BF_RECT);
  DrawEdge(dc, &right, BDR_RAISEDINNER, BF_RECT);
  EndPaint(Handle(), &ps);
}

LRESULT CommandEditor::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      const bool ok = item->CtlID == static_cast<UINT>(kOkButton);
      DrawGlyphButton(*item, ok ? ButtonGlyph::kCheck : ButtonGlyph::kCross, ok);
      return TRUE;
    }
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return ModalWnd::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace lumo
