#pragma once
// TEdCmdForm: the modal dialog in which the user writes the announcer command of a hotkey,
// one command line per line of Memo1.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/modal_wnd.h"

namespace lumo {

class TEdCmdForm : public ModalWnd {
 public:
  // Created hidden, owned by the thread's active window (if any).
  TEdCmdForm();

  // Memo1's lines.
  void SetLines(const std::vector<std::string>& lines);
  std::vector<std::string> Lines() const;

  // True when every line names "Speak" or "Display" before its first "=".
  bool VerifyCommands() const;

  // ShowModal gives IDOK (1) when the user confirmed valid lines, IDCANCEL (2) otherwise.

  // Control IDs, for whoever drives the dialog.
  static constexpr int kMemo1 = 100;
  static constexpr int kButton1 = 101;  // "语音指令"
  static constexpr int kButton2 = 102;  // "显示指令"
  static constexpr int kButton3 = 103;  // "校验(&V)"
  static constexpr int kBitBtn1 = IDOK;
  static constexpr int kBitBtn2 = IDCANCEL;
  static constexpr wchar_t kClassName[] = L"TEdCmdForm";

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return memo1_; }
  void CreateControls();
  void Paint();

  void InsertLine(const char* line);
  void Button1Click() { InsertLine("Speak="); }
  void Button2Click() { InsertLine("Display="); }
  void Button3Click();
  void BitBtn1Click();

  std::string MemoText() const;

  HWND memo1_ = nullptr;
};

}  // namespace lumo
