#include "editors/win/hotkey.h"

#include <commctrl.h>

#include "editors/win/RefEdit.h"
#include "editors/win/hkError.h"

namespace lumo {

namespace {

constexpr int kBottomArea = 156;
constexpr int kButtonColumn = 83;
constexpr int klblDescription = 320;
constexpr int klblHotkey = 321;
constexpr int klblParameter = 322;

// Places inside the group box, relative to its top left corner.
struct Place {
  int id, x, y, width, height;
};
constexpr Place kGroupPlaces[] = {
    {klblDescription, 10, 22, 44, 14},
    {TEdKeyForm::kedtDescription, 56, 18, 170, 21},
    {TEdKeyForm::kcboActions, 236, 18, 150, 200},
    {klblHotkey, 10, 52, 44, 14},
    {TEdKeyForm::kchkCtrl, 56, 50, 46, 17},
    {TEdKeyForm::kchkAlt, 104, 50, 40, 17},
    {TEdKeyForm::kchkShift, 146, 50, 52, 17},
    {TEdKeyForm::kchkWin, 200, 50, 40, 17},
    {TEdKeyForm::kcboHotkey, 246, 48, 140, 300},
    {TEdKeyForm::kchkActive, 56, 80, 90, 17},
    {klblParameter, 10, 112, 44, 14},
    {TEdKeyForm::kedtCommandLine, 56, 108, 330, 21},
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

TEdKeyForm::TEdKeyForm(HWND owner, HotkeyList& list, HotkeyComponent& hotkeys,
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
  FormCreate();
}

TEdKeyForm::~TEdKeyForm() {
  edtCommandLine.reset();
  Destroy();
}

void TEdKeyForm::CreateControls() {
  HWND form = Handle();
  // Creation order is tab order.
  list_view_ = CreateControl(form, {.class_name = WC_LISTVIEWW,
                                    .id = klvHotkeys,
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
      form, {.class_name = L"BUTTON", .text = L"编辑热键", .id = kgrpHotkey, .style = BS_GROUPBOX});
  auto control = [&](const wchar_t* cls, const wchar_t* text, int id, DWORD style,
                     DWORD ex_style = 0) {
    CreateControl(
        form, {.class_name = cls, .text = text, .id = id, .style = style, .ex_style = ex_style});
  };
  control(L"STATIC", L"描述&D:", klblDescription, SS_LEFT);
  // The description is a system text (ANSI bytes, saved in the hotkey file).
  HWND description = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0,
      form, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kedtDescription)),
      GetModuleHandleW(nullptr), nullptr);
  SendMessageW(description, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
  control(L"COMBOBOX", L"", kcboActions, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  control(L"STATIC", L"热键&H:", klblHotkey, SS_LEFT);
  control(L"BUTTON", L"Ctrl", kchkCtrl, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Alt", kchkAlt, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Shift", kchkShift, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"BUTTON", L"Win", kchkWin, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"COMBOBOX", L"", kcboHotkey, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST);
  for (std::string_view name : KeyNames) {
    SendMessageA(Item(kcboHotkey), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(std::string(name).c_str()));
  }
  control(L"BUTTON", L"激活的&O", kchkActive, WS_TABSTOP | BS_AUTOCHECKBOX);
  control(L"STATIC", L"参数&P:", klblParameter, SS_LEFT);
  edtCommandLine = std::make_unique<TRefEdit>(form, kedtCommandLine, 0, 0, 0, 0);
  edtCommandLine->OnChange = [this] { edtCommandLineChange(); };

  control(L"BUTTON", L"&N新建", kbtnNew, WS_TABSTOP | BS_PUSHBUTTON);
  control(L"BUTTON", L"&D删除", kbtnDelete, WS_TABSTOP | BS_PUSHBUTTON);
  control(L"BUTTON", L"&A应用", kbtnApply, WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON);
  control(L"BUTTON", L"&C关闭", kbtnClose, WS_TABSTOP | BS_PUSHBUTTON);
}

void TEdKeyForm::Layout() {
  RECT client;
  GetClientRect(Handle(), &client);
  const int width = client.right;
  const int height = client.bottom;
  const int bottom_top = height - kBottomArea;
  MoveWindow(list_view_, 0, 0, width, bottom_top, TRUE);
  const int gx = 4;
  const int gy = bottom_top + 4;
  MoveWindow(Item(kgrpHotkey), gx, gy, width - kButtonColumn - 8, kBottomArea - 8, TRUE);
  for (const Place& place : kGroupPlaces) {
    MoveWindow(Item(place.id), gx + place.x, gy + place.y, place.width, place.height, TRUE);
  }
  const int bx = width - kButtonColumn + 4;
  const int buttons[] = {kbtnNew, kbtnDelete, kbtnApply, kbtnClose};
  for (int i = 0; i < 4; ++i) {
    MoveWindow(Item(buttons[i]), bx, gy + 8 + i * 33, 75, 25, TRUE);
  }
}

void TEdKeyForm::FormCreate() {
  FLoading = false;
  for (std::wstring_view name : ActionNames) {
    SendMessageW(Item(kcboActions), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(std::wstring(name).c_str()));
  }
  // FillHotkeyList
  const HotkeyFields shown = rows_.Fill(list_);
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void TEdKeyForm::SyncList() {
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

void TEdKeyForm::SyncState() {
  SetWindowTextW(Item(kgrpHotkey), rows_.Group() == GroupCaption::kAdd ? L"添加热键" : L"编辑热键");
  SetApplyEnabled(rows_.ApplyEnabled());
}

void TEdKeyForm::SetApplyEnabled(bool flag) {
  if (flag != FApplyEnabled) {
    FApplyEnabled = flag;
    EnableWindow(Item(kbtnApply), flag ? TRUE : FALSE);
  }
}

void TEdKeyForm::ShowHotkey(const HotkeyFields& fields) {
  FLoading = true;
  SetWindowTextA(Item(kedtDescription), fields.description.c_str());
  SendMessageW(Item(kcboActions), CB_SETCURSEL, static_cast<WPARAM>(fields.action), 0);
  edtCommandLine->SetText(fields.parameter);
  edtCommandLine->SetVisible(fields.parameter_visible);
  auto check = [&](int id, bool on) {
    SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
  };
  check(kchkCtrl, fields.ctrl);
  check(kchkAlt, fields.alt);
  check(kchkShift, fields.shift);
  check(kchkWin, fields.win);
  check(kchkActive, fields.active);
  if (fields.linked) {
    SendMessageW(Item(kcboHotkey), CB_SETCURSEL, static_cast<WPARAM>(fields.key), 0);
  }
  FLoading = false;
}

bool TEdKeyForm::Checked(int id) const {
  return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TEdKeyForm::lvHotkeysClick() {
  if (std::optional<HotkeyFields> shown = rows_.Click()) {
    ShowHotkey(*shown);
  }
  SyncState();
}

void TEdKeyForm::btnNewClick() {
  const HotkeyFields shown = rows_.New();
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void TEdKeyForm::btnDeleteClick() {
  const HotkeyFields shown = rows_.Delete();
  SyncList();
  ShowHotkey(shown);
  SyncState();
}

void TEdKeyForm::btnApplyClick() {
  // The old records stay alive as long as a row (here or in another editor) links them.
  list_ = rows_.Apply();
  actions_.RemoveHotkeys();
  actions_.InstallHotkeys();
  SyncState();
}

void TEdKeyForm::edtDescriptionChange() {
  if (FLoading) {
    return;
  }
  rows_.SetDescription(AnsiText(Item(kedtDescription)));
  SyncList();
  SyncState();
}

void TEdKeyForm::edtCommandLineChange() {
  if (FLoading) {
    return;
  }
  rows_.SetParameter(edtCommandLine->Text());
  SyncList();
  SyncState();
}

void TEdKeyForm::cboActionsClick() {
  if (FLoading) {
    return;
  }
  const int action = static_cast<int>(SendMessageW(Item(kcboActions), CB_GETCURSEL, 0, 0));
  if (std::optional<bool> visible = rows_.PickAction(action, edtCommandLine->Text())) {
    edtCommandLine->SetVisible(*visible);
  }
  SyncList();
  SyncState();
}

void TEdKeyForm::chkCtrlClick() {
  if (FLoading) {
    return;
  }
  rows_.UpdateHotkey(Checked(kchkCtrl), Checked(kchkAlt), Checked(kchkShift), Checked(kchkWin),
                     ComboText(Item(kcboHotkey)), *this);
  SyncList();
  SyncState();
}

void TEdKeyForm::chkActiveClick() {
  if (FLoading) {
    return;
  }
  rows_.SetActive(Checked(kchkActive));
  SyncList();
  SyncState();
}

bool TEdKeyForm::ConfirmConflict(const std::string& entry, const std::string& message) {
  TfrmHotkeyError dialog(Handle());
  dialog.SetEntry(entry);
  dialog.SetDescription(message);
  return dialog.ShowModal() == IDOK;
}

bool TEdKeyForm::TryRegistration(std::uint8_t key, THotKeyModifiers modifiers) {
  const THotKeyEntry entry = hotkeys_.AddHotKey(key, modifiers);
  // The test entry goes again at once, whatever the answer.
  hotkeys_.Delete(hotkeys_.Count() - 1);
  if (!entry.Registered) {
    MessageBoxW(Handle(), L"该热键组合已经被其他应用程序使用.", L"错误",
                MB_OK | MB_ICONINFORMATION);
  }
  return entry.Registered;
}

bool TEdKeyForm::OnCommand(int id, int code, HWND control) {
  if (edtCommandLine &&
      edtCommandLine->HandleCommand(MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control))) {
    return true;
  }
  switch (id) {
    case kedtDescription:
      if (code == EN_CHANGE) {
        edtDescriptionChange();
      }
      return true;
    case kcboActions:
      if (code == CBN_SELCHANGE) {
        cboActionsClick();
      }
      return true;
    case kcboHotkey:
      if (code == CBN_SELCHANGE) {
        chkCtrlClick();
      }
      return true;
    case kchkCtrl:
    case kchkAlt:
    case kchkShift:
    case kchkWin:
      if (code == BN_CLICKED) {
        chkCtrlClick();
      }
      return true;
    case kchkActive:
      if (code == BN_CLICKED) {
        chkActiveClick();
      }
      return true;
    case kbtnNew:
      btnNewClick();
      return true;
    case kbtnDelete:
      btnDeleteClick();
      return true;
    case kbtnApply:
      btnApplyClick();
      return true;
    case kbtnClose:
      EndModal(IDOK);
      return true;
    default:
      return false;
  }
}

LRESULT TEdKeyForm::OnNotify(const NMHDR& header) {
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
    lvHotkeysClick();
  }
  return 0;
}

LRESULT TEdKeyForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
