#pragma once
// THelpForm: the About box, created for each showing and released when closed.
#include <string>

#include "platform/modal_wnd.h"

namespace lumo {

class THelpForm : public ModalWnd {
 public:
  explicit THelpForm(HWND owner);
  void SetLabel1(const std::wstring& text);

 private:
  void FormCreate();
  bool OnCommand(int id, int code, HWND control) override;

  HWND Label1_ = nullptr;
  HWND Label3_ = nullptr;
};

}  // namespace lumo
