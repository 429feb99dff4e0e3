#include "platform/modal_wnd.h"

#include "platform/message_loop.h"

namespace lumo {

int ModalWnd::ShowModal() {
  modal_result_ = 0;
  done_ = false;
  focus_ = InitialFocus();
  RunModalLoop(Handle(), done_);
  ShowWindow(Handle(), SW_HIDE);
  return modal_result_ != 0 ? modal_result_ : IDCANCEL;
}

void ModalWnd::EndModal(int result) {
  modal_result_ = result;
  done_ = true;
}

LRESULT ModalWnd::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_ACTIVATE) {
    return Wnd::HandleMessage(message, wparam, lparam);
  }
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) {
      focus_ = focus;
    }
    return 0;
  }
  if (focus_) {
    SetFocus(focus_);
    return 0;
  }
  return DefaultProc(message, wparam, lparam);
}

}  // namespace lumo
