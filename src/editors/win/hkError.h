#pragma once
// TfrmHotkeyError: asks whether a combination that another row already holds may be used
// anyway.
#include <windows.h>

#include <string>

#include "platform/modal_wnd.h"

namespace lumo {

class TfrmHotkeyError : public ModalWnd {
 public:
  explicit TfrmHotkeyError(HWND owner);
  ~TfrmHotkeyError() override;

  // The other row's description, and the message below it (system texts, ANSI).
  void SetEntry(const std::string& description);
  void SetDescription(const std::string& message);

  // ShowModal gives IDOK for "继续", IDCANCEL for "取消", Escape or the close box.

  static constexpr int klblHotkeyUsed = 200;
  static constexpr int klblEntry = 201;
  static constexpr int klblDescription = 202;
  static constexpr int kbtnOk = IDOK;
  static constexpr int kbtnCancel = IDCANCEL;
  static constexpr wchar_t kClassName[] = L"TfrmHotkeyError";

 private:
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return GetDlgItem(Handle(), kbtnOk); }

  HFONT entry_font_ = nullptr;
};

}  // namespace lumo
