// The hotkey editor's controls: created in tab order, placed on every resize.
#include "editors/win/hotkey_editor.h"

#include <commctrl.h>

#include "editors/win/command_line_field.h"

namespace lumo {

namespace {

constexpr int kBottomArea = 156;
constexpr int kButtonColumn = 83;
constexpr int kDescriptionLabel = 320;
constexpr int kHotkeyLabel = 321;
constexpr int kParameterLabel = 322;

// Places inside the group box, relative to its top left corner.
struct Place {
  int id, x, y, width, height;
};
constexpr Place kGroupPlaces[] = {
    {kDescriptionLabel, 10, 22, 44, 14},
    {HotkeyEditor::kDescriptionEdit, 56, 18, 170, 21},
    {HotkeyEditor::kActionCombo, 236, 18, 150, 200},
    {kHotkeyLabel, 10, 52, 44, 14},
    {HotkeyEditor::kCtrlCheck, 56, 50, 46, 17},
    {HotkeyEditor::kAltCheck, 104, 50, 40, 17},
    {HotkeyEditor::kShiftCheck, 146, 50, 52, 17},
    {HotkeyEditor::kWinCheck, 200, 50, 40, 17},
    {HotkeyEditor::kKeyCombo, 246, 48, 140, 300},
    {HotkeyEditor::kActiveCheck, 56, 80, 90, 17},
    {kParameterLabel, 10, 112, 44, 14},
    {HotkeyEditor::kCommandLineField, 56, 108, 330, 21},
};

}  // namespace

void HotkeyEditor::CreateControls() {
  HWND form = Handle();
  // Creation order is tab order.
  list_view_ = CreateControl(form, {.class_name = WC_LISTVIEWW,
                                    .id = kHotkeyList,
                                    .style = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                                             LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                    .ex_style = WS_EX_CLIENTEDGE});
  SendMessageW(list_view_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
               LVS_EX_FULLROWSELECT);
  const std::pair<const wchar_t*, int> columns[] = {
      {L"描述", 145}, {L"动作", 100}, {L"参数", 130}, {L"热键", 90}, {L"活动的", 50}};
  int column = 0;
  for (const auto& [caption, width] : columns) {
    LVCOLUMNW lvc{};
    lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    lvc.pszText = const_cast<wchar_t*>(caption);
    lvc.cx = width;
    lvc.iSubItem = column;
    SendMessageW(list_view_, LVM_INSERTCOLUMNW, column++, reinterpret_cast<LPARAM>(&lvc));
  }

  CreateControl(
      form,
      {.class_name = L"BUTTON", .text = L"编辑热键", .id = kHotkeyGroup, .style = BS_GROUPBOX});
  auto control = [&](const wchar_t* cls, const wchar_t* text, int id, DWORD style,
                     DWORD ex_style = 0) {
    CreateControl(
        form, {.class_name = cls, .text = text, .id = id, .style = style, .ex_style = ex_style});
  };
  control(L"STATIC", L"描述&D:", kDescriptionLabel, SS_LEFT);
  // The description is a system text (ANSI bytes, saved in the hotkey file).
  HWND description = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
      form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kDescriptionEdit)),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(description, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
  control(L"COMBOBOX", L"", kActionCombo, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  control(L"STATIC", L"热键&H:", kHotkeyLabel, SS_LEFT);
  control(L"BUTTON", L"Ctrl", kCtrlCheck, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Alt", kAltCheck, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Shift", kShiftCheck, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Win", kWinCheck, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"COMBOBOX", L"", kKeyCombo, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  for (std::string_view name : KeyNames) {
    SendMessageA(Item(kKeyCombo), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(std::string(name).c_str()));
  }
  control(L"BUTTON", L"激活的&O", kActiveCheck, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"STATIC", L"参数&P:", kParameterLabel, SS_LEFT);
  command_line_ = std::make_unique<CommandLineField>(form, kCommandLineField, 0, 0, 0, 0);
  command_line_->OnChange = [this] { OnCommandLineChange(); };

  control(L"BUTTON", L"&N新建", kNewButton, WS_TABSTOP | BS_PUSHBUTTON);
  control(L"BUTTON", L"&D删除", kDeleteButton, WS_TABSTOP | BS_PUSHBUTTON);
  control(L"BUTTON", L"&A应用", kApplyButton, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON);
  control(L"BUTTON", L"&C关闭", kCloseButton, WS_TABSTOP | BS_PUSHBUTTON);
}

void HotkeyEditor::Layout() {
  RECT client;
  GetClientRect(Handle(), &client);
  const int width = client.right;
  const int height = client.bottom;
  const int bottom_top = height - kBottomArea;
  MoveWindow(list_view_, 0, 0, width, bottom_top, TRUE);
  const int gx = 4;
  const int gy = bottom_top + 4;
  MoveWindow(Item(kHotkeyGroup), gx, gy, width - kButtonColumn - 8, kBottomArea - 8, TRUE);
  for (const Place& place : kGroupPlaces) {
    MoveWindow(Item(place.id), gx + place.x, gy + place.y, place.width, place.height, TRUE);
  }
  const int bx = width - kButtonColumn + 4;
  const int buttons[] = {kNewButton, kDeleteButton, kApplyButton, kCloseButton};
  for (int i = 0; i < 4; ++i) {
    MoveWindow(Item(buttons[i]), bx, gy + 8 + i * 33, 75, 25, TRUE);
  }
}

}  // namespace lumo
