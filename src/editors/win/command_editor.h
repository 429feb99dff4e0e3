#pragma once
// The modal dialog in which the user writes the announcer command of a hotkey,
// one command line per line of its memo.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/modal_wnd.h"

namespace lumo {

class CommandEditor : public ModalWnd {
 public:
  // Created hidden, owned by the thread's active window (if any).
  CommandEditor();

  // The memo's lines.
  void SetLines(const std::vector<std::string>& lines);
  std::vector<std::string> Lines() const;

  // True when every line names "Speak" or "Display" before its first "=".
  bool VerifyCommands() const;

  // ShowModal gives IDOK (1) when the user confirmed valid lines, IDCANCEL (2) otherwise.

  // Control IDs, for whoever drives the dialog.
  static constexpr int kCommandsMemo = 100;
  static constexpr int kSpeakButton = 101;    // "语音指令"
  static constexpr int kDisplayButton = 102;  // "显示指令"
  static constexpr int kVerifyButton = 103;   // "校验(&V)"
  static constexpr int kOkButton = IDOK;
  static constexpr int kCancelButton = IDCANCEL;
  static constexpr wchar_t kClassName[] = L"LumoCommandEditor";

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCommand(int id, int code, HWND control) override;
  HWND InitialFocus() override { return memo_; }
  void CreateControls();
  void Paint();

  void InsertLine(const char* line);
  void OnSpeak() { InsertLine("Speak="); }
  void OnDisplay() { InsertLine("Display="); }
  void OnVerify();
  void OnOk();

  std::string MemoText() const;

  HWND memo_ = nullptr;
};

}  // namespace lumo
