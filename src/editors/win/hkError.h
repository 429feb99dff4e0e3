#pragma once
// TfrmHotkeyError: asks whether a combination that another row already holds may be used
// anyway.
#include <windows.h>

#include <string>

namespace lumo {

class TfrmHotkeyError {
 public:
  explicit TfrmHotkeyError(HWND owner);
  ~TfrmHotkeyError();
  TfrmHotkeyError(const TfrmHotkeyError&) = delete;
  TfrmHotkeyError& operator=(const TfrmHotkeyError&) = delete;

  // The other row's description and the message below it (system texts, ANSI).
  void SetEntry(const std::string& description);
  void SetDescription(const std::string& message);

  // IDOK for "继续", IDCANCEL for "取消", Escape or the close box.
  int ShowModal();

  HWND Handle() const { return hwnd_; }

  static constexpr int klblHotkeyUsed = 200;
  static constexpr int klblEntry = 201;
  static constexpr int klblDescription = 202;
  static constexpr int kbtnOk = IDOK;
  static constexpr int kbtnCancel = IDCANCEL;
  static constexpr wchar_t kClassName[] = L"TfrmHotkeyError";

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  HFONT entry_font_ = nullptr;
  int modal_result_ = 0;
};

}  // namespace lumo
