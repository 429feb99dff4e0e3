#include "editors/win/hotkey_conflict_box.h"

namespace lumo {

HotkeyConflictBox::HotkeyConflictBox(HWND owner) {
  CreateWnd({.class_name = kClassName,
             .title = L"热键定义错误",
             .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
             .ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
             .width = 260,
             .height = 121,
             .client_size = true,
             .owner = owner});
  SetWindowPos(Handle(), nullptr, 238, 197, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A bold 8-point label; the code-page charset keeps a Chinese description readable.
  entry_font_ = CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
  HWND form = Handle();
  auto label = [&](int id, const wchar_t* text, int y, int height, HFONT font) {
    CreateControl(form, {.class_name = L"STATIC",
                         .text = text,
                         .x = 12,
                         .y = y,
                         .width = 241,
                         .height = height,
                         .id = id,
                         .style = SS_LEFT | SS_NOPREFIX,
                         .font = font});
  };
  label(kInUseLabel, L"This hotkey combination is in use by ", 8, 14, nullptr);
  label(kEntryLabel, L"<conflicting entry>", 24, 14, entry_font_);
  label(kMessageLabel, L"If you continue, only one of the hotkey combinations will be active", 48,
        29, nullptr);
  auto button = [&](int id, const wchar_t* caption, int x, DWORD kind) {
    CreateControl(form, {.class_name = L"BUTTON",
                         .text = caption,
                         .x = x,
                         .y = 88,
                         .width = 75,
                         .height = 25,
                         .id = id,
                         .style = WS_TABSTOP | kind});
  };
  button(kContinueButton, L"继续", 50, BS_DEFPUSHBUTTON);
  button(kCancelButton, L"取消", 130, BS_PUSHBUTTON);
}

HotkeyConflictBox::~HotkeyConflictBox() {
  Destroy();
  DeleteObject(entry_font_);
}

void HotkeyConflictBox::SetEntry(const std::string& description) {
  SetWindowTextA(GetDlgItem(Handle(), kEntryLabel), description.c_str());
}

void HotkeyConflictBox::SetDescription(const std::string& message) {
  SetWindowTextA(GetDlgItem(Handle(), kMessageLabel), message.c_str());
}

bool HotkeyConflictBox::OnCommand(int id, int, HWND) {
  if (id != IDOK && id != IDCANCEL) {
    return false;
  }
  EndModal(id);
  return true;
}

}  // namespace lumo
