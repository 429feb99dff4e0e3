#include "app/about_box.h"

#include "app/main_window_ids.h"

namespace lumo {

namespace {
constexpr wchar_t kAuthor[] = L"Lumo 开发组";
}  // namespace

AboutBox::AboutBox(HWND owner) {
  CreateWnd({.class_name = kClassName,
             .title = L"关于",
             .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
             .ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
             .width = 315,
             .height = 169,
             .client_size = true,
             .owner = owner});
  HWND hwnd = Handle();
  title_label_ = CreateLabel(hwnd, kIdAboutTitle, L"Lumo", 56, 32, UiFontUnderlined());
  CreateLabel(hwnd, kIdAboutVersion, L"版本： V1.0", 56, 56);
  author_label_ = CreateLabel(hwnd, kIdAboutAuthor, L"", 56, 80);
  HWND image = CreateControl(hwnd, {.class_name = L"STATIC",
                                    .x = 231,
                                    .y = 24,
                                    .width = 57,
                                    .height = 57,
                                    .id = kIdAboutIcon,
                                    .style = SS_ICON | SS_CENTERIMAGE});
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 48, 48, LR_SHARED));
  SendMessageW(image, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  CreateControl(hwnd, {.class_name = L"BUTTON",
                       .text = L"确定",
                       .x = 120,
                       .y = 120,
                       .width = 75,
                       .height = 25,
                       .id = IDOK,
                       .style = WS_TABSTOP | BS_DEFPUSHBUTTON});
  ShowAuthor();
}

void AboutBox::ShowAuthor() {
  SetLabelText(author_label_, std::wstring(L"作者： ") + kAuthor);
}

void AboutBox::SetTitle(const std::wstring& text) {
  SetLabelText(title_label_, text);
}

bool AboutBox::OnCommand(int id, int code, HWND) {
  // The OK button, and Esc or Enter through the dialog keyboard handling.
  if ((id == IDOK || id == IDCANCEL) && code == BN_CLICKED) {
    EndModal(IDOK);
    return true;
  }
  return false;
}

}  // namespace lumo
