#include "editors/win/hotkey_editor.h"

#include <commctrl.h>

#include "editors/win/command_line_field.h"
#include "editors/win/hotkey_conflict_box.h"
#include "platform/program_log.h"

namespace lumo {

namespace {

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
  const HotkeyEntry entry = hotkeys_.AddHotkey(key, modifiers);
  // The test entry goes again at once, whatever the answer.
  hotkeys_.Delete(hotkeys_.Count() - 1);
  if (!entry.Registered) {
    LogErrorBox(L"该热键组合已经被其他应用程序使用.");
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
