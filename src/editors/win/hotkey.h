#pragma once
// TEdKeyForm: the modal window in which the user lists, adds, changes and deletes the
// hotkey definitions. It works on rows of its own; only Apply hands them to HotkeyList and
// has the hotkeys registered anew.
#include <windows.h>

#include <memory>
#include <string>

#include "editors/hotkey_rows.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/rhkutils.h"
#include "platform/modal_wnd.h"

namespace lumo {

class TRefEdit;

class TEdKeyForm : public ModalWnd, private HotkeyChecks {
 public:
  // owner: the main window. hotkeys: its system hotkey component, which the registration
  // test borrows; actions: its RemoveHotkeys and InstallHotkeys for Apply.
  TEdKeyForm(HWND owner, HotkeyList& list, HotkeyComponent& hotkeys, HotkeyActions& actions);
  ~TEdKeyForm() override;
  TEdKeyForm(const TEdKeyForm&) = delete;
  TEdKeyForm& operator=(const TEdKeyForm&) = delete;

  // ShowModal gives IDOK after "&C关闭", IDCANCEL after the close box; edits that were
  // not applied are dropped without a question.

  static constexpr int klvHotkeys = 300;
  static constexpr int kgrpHotkey = 301;
  static constexpr int kedtDescription = 302;
  static constexpr int kcboActions = 303;
  static constexpr int kedtCommandLine = 304;
  static constexpr int kchkCtrl = 305;
  static constexpr int kchkAlt = 306;
  static constexpr int kchkShift = 307;
  static constexpr int kchkWin = 308;
  static constexpr int kcboHotkey = 309;
  static constexpr int kchkActive = 310;
  static constexpr int kbtnNew = 311;
  static constexpr int kbtnDelete = 312;
  static constexpr int kbtnApply = 313;
  static constexpr int kbtnClose = 314;
  static constexpr wchar_t kClassName[] = L"TEdKeyForm";

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return list_view_; }
  void FormCreate();
  void CreateControls();
  void Layout();
  LRESULT OnNotify(const NMHDR& header);

  // Shows the model's state: rows, selection, group caption, Apply.
  void SyncList();
  void SyncState();
  void ShowHotkey(const HotkeyFields& fields);

  void lvHotkeysClick();
  void btnNewClick();
  void btnDeleteClick();
  void btnApplyClick();
  void edtDescriptionChange();
  void edtCommandLineChange();
  void cboActionsClick();
  void chkCtrlClick();
  void chkActiveClick();
  void SetApplyEnabled(bool flag);

  bool ConfirmConflict(const std::string& entry, const std::string& message) override;
  bool TryRegistration(std::uint8_t key, THotKeyModifiers modifiers) override;

  HWND Item(int id) const { return GetDlgItem(Handle(), id); }
  bool Checked(int id) const;

  HotkeyList& list_;
  HotkeyComponent& hotkeys_;
  HotkeyActions& actions_;
  HotkeyRows rows_;
  HWND list_view_ = nullptr;
  std::unique_ptr<TRefEdit> edtCommandLine;
  bool FLoading = false;
  bool FApplyEnabled = false;
  bool syncing_ = false;  // the list is being updated from the rows, not by the user
};

}  // namespace lumo
