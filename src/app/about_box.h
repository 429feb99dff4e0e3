#pragma once
// The About box, created for each showing and released when closed.
#include <string>

#include "platform/modal_wnd.h"

namespace lumo {

class AboutBox : public ModalWnd {
 public:
  explicit AboutBox(HWND owner);
  void SetTitle(const std::wstring& text);

  static constexpr wchar_t kClassName[] = L"LumoAboutBox";

 private:
  void ShowAuthor();
  bool OnCommand(int id, int code, HWND control) override;

  HWND title_label_ = nullptr;
  HWND author_label_ = nullptr;
};

}  // namespace lumo
