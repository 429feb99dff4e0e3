#pragma once
// A window shown modally over its owner, the way the program's dialogs are: the thread's
// other windows are disabled while it runs, and the control that had the focus gets it
// back whenever the window is activated again (after a message box, say).
#include <windows.h>

#include "platform/wnd.h"

namespace lumo {

class ModalWnd : public Wnd {
 public:
  // Runs until EndModal and hides the window; IDCANCEL when no result was given.
  int ShowModal();

 protected:
  void EndModal(int result);
  // The control that has the focus when the window opens; null for the window itself.
  virtual HWND InitialFocus() { return nullptr; }
  // The close box gives Cancel; the window lives on until its owner destroys it.
  void OnClose() override { EndModal(IDCANCEL); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  int modal_result_ = 0;
  bool done_ = false;
  HWND focus_ = nullptr;
};

}  // namespace lumo
