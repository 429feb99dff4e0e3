#pragma once
// The modal window in which the user lists, adds, changes and deletes the
// hotkey definitions. It works on rows of its own; only Apply hands them to HotkeyList and
// has the hotkeys registered anew.
#include <windows.h>

#include <memory>
#include <string>

#include "editors/hotkey_rows.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/hotkey_definitions.h"
#include "platform/modal_wnd.h"

namespace lumo {

class CommandLineField;

class HotkeyEditor : public ModalWnd, private HotkeyChecks {
 public:
  // owner: the main window. hotkeys: its system hotkey component, which the registration
  // test borrows; actions: its RemoveHotkeys and InstallHotkeys for Apply.
  HotkeyEditor(HWND owner, HotkeyList& list, HotkeyComponent& hotkeys, HotkeyActions& actions);
  ~HotkeyEditor() override;
  HotkeyEditor(const HotkeyEditor&) = delete;
  HotkeyEditor& operator=(const HotkeyEditor&) = delete;

  // ShowModal gives IDOK after "&C关闭", IDCANCEL after the close box; edits that were
  // not applied are dropped without a question.

  static constexpr int kHotkeyList = 300;
  static constexpr int kHotkeyGroup = 301;
  static constexpr int kDescriptionEdit = 302;
  static constexpr int kActionCombo = 303;
  static constexpr int kCommandLineField = 304;
  static constexpr int kCtrlCheck = 305;
  static constexpr int kAltCheck = 306;
  static constexpr int kShiftCheck = 307;
  static constexpr int kWinCheck = 308;
  static constexpr int kKeyCombo = 309;
  static constexpr int kActiveCheck = 310;
  static constexpr int kNewButton = 311;
  static constexpr int kDeleteButton = 312;
  static constexpr int kApplyButton = 313;
  static constexpr int kCloseButton = 314;
  static constexpr wchar_t kClassName[] = L"LumoHotkeyEditor";

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return list_view_; }
  void FillControls();
  void CreateControls();
  void Layout();
  LRESULT OnNotify(const NMHDR& header);

  // Shows the model's state: rows, selection, group caption, Apply.
  void SyncList();
  void SyncState();
  void ShowHotkey(const HotkeyFields& fields);

  void OnListClick();
  void OnNew();
  void OnDelete();
  void OnApply();
  void OnDescriptionChange();
  void OnCommandLineChange();
  void OnActionPicked();
  void OnHotkeyChanged();
  void OnActiveChanged();
  void SetApplyEnabled(bool flag);

  bool ConfirmConflict(const std::string& entry, const std::string& message) override;
  bool TryRegistration(std::uint8_t key, ModifierSet modifiers) override;

  HWND Item(int id) const { return GetDlgItem(Handle(), id); }
  bool Checked(int id) const;

  HotkeyList& list_;
  HotkeyComponent& hotkeys_;
  HotkeyActions& actions_;
  HotkeyRows rows_;
  HWND list_view_ = nullptr;
  std::unique_ptr<CommandLineField> command_line_;
  bool loading_ = false;
  bool apply_enabled_ = false;
  bool syncing_ = false;  // the list is being updated from the rows, not by the user
};

}  // namespace lumo
