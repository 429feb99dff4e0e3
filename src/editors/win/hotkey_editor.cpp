#include "editors/win/hotkey_editor.h"

#include <commctrl.h>

#include "editors/win/command_line_field.h"
#include "editors/win/hotkey_conflict_box.h"

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

std::string ComboText(HWND combo) {
  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) {
    return {};
  }
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::string AnsiText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void SetItemTextA(HWND list, int item, int column, const std::string& text) {
  LVITEMA lv{};
  lv.iSubItem = column;
  lv.pszText = const_cast<char*>(text.c_str());
  SendMessageA(list, LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lv));
}

void SetItemTextW(HWND list, int item, int column, const std::wstring& text) {
  LVITEMW lv{};
  lv.iSubItem = column;
  lv.pszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(list, LVM_SETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
}

}  // namespace

HotkeyEditor::HotkeyEditor(HWND owner, HotkeyList& list, HotkeyComponent& hotkeys,
                           HotkeyActions& actions)
    : list_(list),
      hotkeys_(hotkeys),
      actions_(actions),
      rows_([](const std::string& a, const std::string& b) {
        // The locale's case-sensitive order, as the list sorts its captions.
        return lstrcmpA(a.c_str(), b.c_str());
      }) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  CreateWnd({.class_name = kClassName,
             .title = L"编辑热键",
             // No WS_CLIPCHILDREN: the group box paints only its frame, the form its inside.
             .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX,
             .ex_style = WS_EX_CONTROLPARENT,
             .width = 550,
             .height = 392,
             .owner = owner});
  SetWindowPos(Handle(), nullptr, 121, 112, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  CreateControls();
  Layout();
  FillControls();
}

HotkeyEditor::~HotkeyEditor() {
  command_line_.reset();
  Destroy();
}

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

void HotkeyEditor::FillControls() {
  loading_ = false;
  for (std::wstring_view name : ActionNames) {
    SendMessageW(Item(kActionCombo), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(std::wstring(name).c_str()));
  }
  const HotkeyFields shown = rows_.Fill(list_);
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void HotkeyEditor::SyncList() {
  syncing_ = true;
  SendMessageW(list_view_, WM_SETREDRAW, FALSE, 0);
  const std::vector<HotkeyRow>& rows = rows_.Rows();
  const int wanted = static_cast<int>(rows.size());
  while (SendMessageW(list_view_, LVM_GETITEMCOUNT, 0, 0) > wanted) {
    SendMessageW(list_view_, LVM_DELETEITEM, wanted, 0);
  }
  for (int i = static_cast<int>(SendMessageW(list_view_, LVM_GETITEMCOUNT, 0, 0)); i < wanted;
       ++i) {
    LVITEMW item{};
    item.iItem = i;
    SendMessageW(list_view_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  for (int i = 0; i < wanted; ++i) {
    const HotkeyRow& row = rows[static_cast<std::size_t>(i)];
    SetItemTextA(list_view_, i, 0, row.caption);
    SetItemTextW(list_view_, i, 1, row.action);
    SetItemTextA(list_view_, i, 2, row.parameter);
    SetItemTextA(list_view_, i, 3, row.hotkey);
    SetItemTextW(list_view_, i, 4, row.active);
  }
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = 0;
  SendMessageW(list_view_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
               reinterpret_cast<LPARAM>(&state));
  if (rows_.Selected() >= 0) {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_view_, LVM_SETITEMSTATE, rows_.Selected(), reinterpret_cast<LPARAM>(&state));
    SendMessageW(list_view_, LVM_ENSUREVISIBLE, rows_.Selected(), FALSE);
  }
  SendMessageW(list_view_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_view_, nullptr, TRUE);
  syncing_ = false;
}

void HotkeyEditor::SyncState() {
  SetWindowTextW(Item(kHotkeyGroup),
                 rows_.Group() == GroupCaption::kAdd ? L"添加热键" : L"编辑热键");
  SetApplyEnabled(rows_.ApplyEnabled());
}

void HotkeyEditor::SetApplyEnabled(bool flag) {
  if (flag != apply_enabled_) {
    apply_enabled_ = flag;
    EnableWindow(Item(kApplyButton), flag ? TRUE : FALSE);
  }
}

void HotkeyEditor::ShowHotkey(const HotkeyFields& fields) {
  loading_ = true;
  SetWindowTextA(Item(kDescriptionEdit), fields.description.c_str());
  SendMessageW(Item(kActionCombo), CB_SETCURSEL, static_cast<WPARAM>(fields.action), 0);
  command_line_->SetText(fields.parameter);
  command_line_->SetVisible(fields.parameter_visible);
  auto check = [&](int id, bool on) {
    SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  check(kCtrlCheck, fields.ctrl);
  check(kAltCheck, fields.alt);
  check(kShiftCheck, fields.shift);
  check(kWinCheck, fields.win);
  check(kActiveCheck, fields.active);
  if (fields.linked) {
    SendMessageW(Item(kKeyCombo), CB_SETCURSEL, static_cast<WPARAM>(fields.key), 0);
  }
  loading_ = false;
}

bool HotkeyEditor::Checked(int id) const {
  return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void HotkeyEditor::OnListClick() {
  if (std::optional<HotkeyFields> shown = rows_.Click()) {
    ShowHotkey(*shown);
  }
  SyncState();
}

void HotkeyEditor::OnNew() {
  const HotkeyFields shown = rows_.New();
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void HotkeyEditor::OnDelete() {
  const HotkeyFields shown = rows_.Delete();
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void HotkeyEditor::OnApply() {
  // The old records stay alive as long as a row (here or in another editor) links them.
  list_ = rows_.Apply();
  actions_.RemoveHotkeys();
  actions_.InstallHotkeys();
  SyncState();
}

void HotkeyEditor::OnDescriptionChange() {
  if (loading_) {
    return;
  }
  rows_.SetDescription(AnsiText(Item(kDescriptionEdit)));
  SyncList();
  SyncState();
}

void HotkeyEditor::OnCommandLineChange() {
  if (loading_) {
    return;
  }
  rows_.SetParameter(command_line_->Text());
  SyncList();
  SyncState();
}

void HotkeyEditor::OnActionPicked() {
  if (loading_) {
    return;
  }
  const int action = static_cast<int>(SendMessageW(Item(kActionCombo), CB_GETCURSEL, 0, 0));
  if (std::optional<bool> visible = rows_.PickAction(action, command_line_->Text())) {
    command_line_->SetVisible(*visible);
  }
  SyncList();
  SyncState();
}

void HotkeyEditor::OnHotkeyChanged() {
  if (loading_) {
    return;
  }
  rows_.UpdateHotkey(Checked(kCtrlCheck), Checked(kAltCheck), Checked(kShiftCheck),
                     Checked(kWinCheck), ComboText(Item(kKeyCombo)), *this);
  SyncList();
  SyncState();
}

void HotkeyEditor::OnActiveChanged() {
  if (loading_) {
    return;
  }
  rows_.SetActive(Checked(kActiveCheck));
  SyncList();
  SyncState();
}

bool HotkeyEditor::ConfirmConflict(const std::string& entry, const std::string& message) {
  HotkeyConflictBox dialog(Handle());
  dialog.SetEntry(entry);
  dialog.SetDescription(message);
  return dialog.ShowModal() == IDOK;
}

bool HotkeyEditor::TryRegistration(std::uint8_t key, ModifierSet modifiers) {
  const HotkeyEntry entry = hotkeys_.AddHotKey(key, modifiers);
  // The test entry goes again at once, whatever the answer.
  hotkeys_.Delete(hotkeys_.Count() - 1);
  if (!entry.Registered) {
    MessageBoxW(Handle(), L"该热键组合已经被其他应用程序使用.", L"错误",
                MB_OK | MB_ICONINFORMATION);
  }
  return entry.Registered;
}

bool HotkeyEditor::OnCommand(int id, int code, HWND control) {
  if (command_line_ &&
      command_line_->HandleCommand(MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control))) {
    return true;
  }
  switch (id) {
    case kDescriptionEdit:
      if (code == EN_CHANGE) {
        OnDescriptionChange();
      }
      return true;
    case kActionCombo:
      if (code == CBN_SELCHANGE) {
        OnActionPicked();
      }
      return true;
    case kKeyCombo:
      if (code == CBN_SELCHANGE) {
        OnHotkeyChanged();
      }
      return true;
    case kCtrlCheck:
    case kAltCheck:
    case kShiftCheck:
    case kWinCheck:
      if (code == BN_CLICKED) {
        OnHotkeyChanged();
      }
      return true;
    case kActiveCheck:
      if (code == BN_CLICKED) {
        OnActiveChanged();
      }
      return true;
    case kNewButton:
      OnNew();
      return true;
    case kDeleteButton:
      OnDelete();
      return true;
    case kApplyButton:
      OnApply();
      return true;
    case kCloseButton:
      EndModal(IDOK);
      return true;
    default:
      return false;
  }
}

LRESULT HotkeyEditor::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != list_view_) {
    return 0;
  }
  if (header.code == LVN_ITEMCHANGED && !syncing_) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (change.uChanged & LVIF_STATE) {
      // The rows follow the list's selection however it moves; only a click reloads the
      // edit controls.
      rows_.Select(static_cast<int>(
          SendMessageW(list_view_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)));
    }
  } else if (header.code == NM_CLICK) {
    OnListClick();
  }
  return 0;
}

LRESULT HotkeyEditor::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam));
    case WM_SIZE:
      Layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize = POINT{520, 300};
      return 0;
    }
    default:
      return ModalWnd::HandleMessage(message, wparam, lparam);
  }
}

}  // namespace lumo
