#pragma once
// Asks whether a combination that another row already holds may be used
// anyway.
#include <windows.h>

#include <string>

#include "platform/modal_wnd.h"

namespace lumo {

class HotkeyConflictBox : public ModalWnd {
 public:
  explicit HotkeyConflictBox(HWND owner);
  ~HotkeyConflictBox() override;

  // The other row's description, and the message below it (system texts, ANSI).
  void SetEntry(const std::string& description);
  void SetDescription(const std::string& message);

  // ShowModal gives IDOK for "继续", IDCANCEL for "取消", Escape or the close box.

  static constexpr int kInUseLabel = 200;
  static constexpr int kEntryLabel = 201;
  static constexpr int kMessageLabel = 202;
  static constexpr int kContinueButton = IDOK;
  static constexpr int kCancelButton = IDCANCEL;
  static constexpr wchar_t kClassName[] = L"LumoHotkeyConflictBox";

 private:
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return GetDlgItem(Handle(), kContinueButton); }

  HFONT entry_font_ = nullptr;
};

}  // namespace lumo
