#pragma once
// THelpForm: the About box, created for each showing and released when closed.
#include <string>

#include "platform/wnd.h"

namespace lumo {

class THelpForm : public Wnd {
 public:
  explicit THelpForm(HWND owner);
  void SetLabel1(const std::wstring& text);
  void ShowModal();

 private:
  void FormCreate();
  bool OnCommand(int id, int code, HWND control) override;
  void OnClose() override;

  HWND owner_;
  HWND Label1_ = nullptr;
  HWND Label3_ = nullptr;
  bool done_ = false;
};

}  // namespace lumo
