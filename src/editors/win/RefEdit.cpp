#include "editors/win/RefEdit.h"

#include <windowsx.h>

#include <type_traits>

#include "announcer/command_execution.h"
#include "editors/command_lines.h"
#include "editors/win/EdCmd.h"
#include "platform/message_boxes.h"
#include "platform/wnd.h"

namespace lumo {

namespace {

constexpr wchar_t kSelfProperty[] = L"Lumo.TRefEdit";

void Pixel(HDC dc, int x, int y, int colour_index) {
  SetPixel(dc, x, y, GetSysColor(colour_index));
}

void Edge(HDC dc, int colour_index, POINT a, POINT b, POINT c) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colour_index));
  HGDIOBJ old = SelectObject(dc, pen);
  const POINT points[3] = {a, b, c};
  Polyline(dc, points, 3);
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

// ---- TBrowseButton ----

void TBrowseButton::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

bool TBrowseButton::Contains(POINT p) const {
  return PtInRect(&bounds_, p) != FALSE;
}

void TBrowseButton::Invalidate() const {
  InvalidateRect(FEdit.Handle(), &bounds_, FALSE);
}

void TBrowseButton::Paint(HDC dc) const {
  const int w = bounds_.right - bounds_.left;
  const int h = bounds_.bottom - bounds_.top;
  if (w <= 0 || h <= 0) {
    return;
  }
  const int saved = SaveDC(dc);
  SetViewportOrgEx(dc, bounds_.left, bounds_.top, nullptr);
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  int x0;
  int y;
  if (down_) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, face);
    Rectangle(dc, 0, 0, w, h);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
    x0 = 5;
    y = h - 4;
  } else {
    RECT all{0, 0, w, h};
    FillRect(dc, &all, face);
    Edge(dc, COLOR_3DLIGHT, {0, h - 1}, {0, 0}, {w - 1, 0});
    Edge(dc, COLOR_BTNHIGHLIGHT, {1, h - 1}, {1, 1}, {w - 1, 1});
    Edge(dc, COLOR_3DDKSHADOW, {0, h - 1}, {w - 1, h - 1}, {w - 1, -1});
    Edge(dc, COLOR_BTNSHADOW, {1, h - 2}, {w - 2, h - 2}, {w - 2, 0});
    x0 = 4;
    y = h - 5;
  }
  // The dots follow the field's enabled state, not the button's.
  const bool enabled = IsWindowEnabled(FEdit.Handle()) != FALSE;
  for (int x : {x0, x0 + 3, x0 + 6}) {
    if (enabled) {
      Pixel(dc, x, y, COLOR_BTNTEXT);
    } else {
      Pixel(dc, x, y, COLOR_BTNSHADOW);
      Pixel(dc, x + 1, y + 1, COLOR_BTNHIGHLIGHT);
    }
  }
  RestoreDC(dc, saved);
}

void TBrowseButton::MouseDown() {
  tracking_ = true;
  down_ = true;
  Invalidate();
  HWND edit = FEdit.Handle();
  if (IsWindowEnabled(edit) && IsWindowVisible(edit)) {
    SetFocus(edit);
  }
}

void TBrowseButton::MouseMove(POINT p) {
  if (!tracking_) {
    return;
  }
  const bool inside = Contains(p);
  if (inside != down_) {
    down_ = inside;
    Invalidate();
  }
}

void TBrowseButton::CancelTracking() {
  tracking_ = false;
  if (down_) {
    down_ = false;
    Invalidate();
  }
}

bool TBrowseButton::MouseUp(POINT p) {
  if (!tracking_) {
    return false;
  }
  tracking_ = false;
  down_ = false;
  Invalidate();
  UpdateWindow(FEdit.Handle());
  return Contains(p);
}

void TBrowseButton::Click() {
  if (OnClick) {
    OnClick();
  }
  FEdit.Browse();
}

// ---- TRefEdit ----

TRefEdit::TRefEdit(HWND parent, int id, int x, int y, int width, int height)
    : FButton(std::make_unique<TBrowseButton>(*this)) {
  // ANSI control: the text is command lines in the system's code page. ES_MULTILINE lets
  // the formatting rectangle leave room for the button.
  hwnd_ = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOHSCROLL, x, y,
                          width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
  SetPropW(hwnd_, kSelfProperty, this);
  // Installed through a cast the compiler does not check: in the 32-bit build a procedure
  // of another calling convention would unbalance the stack on every message.
  static_assert(std::is_same_v<decltype(&SubclassProc), WNDPROC>);
  edit_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  WMSize();
}

TRefEdit::~TRefEdit() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit_proc_));
    RemovePropW(hwnd_, kSelfProperty);
    DestroyWindow(hwnd_);
  }
}

std::string TRefEdit::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void TRefEdit::SetText(const std::string& text) {
  SetWindowTextA(hwnd_, text.c_str());  // raises OnChange, see WMSetText
}

bool TRefEdit::Visible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void TRefEdit::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool TRefEdit::HandleCommand(WPARAM wparam, LPARAM lparam) {
  if (reinterpret_cast<HWND>(lparam) != hwnd_) {
    return false;
  }
  if (HIWORD(wparam) == EN_CHANGE && !setting_text_ && OnChange) {
    OnChange();
  }
  return true;
}

void TRefEdit::Browse() {
  TEdCmdForm form;
  std::vector<std::string> lines;
  SplitCommandLines(Text(), lines);
  form.SetLines(lines);
  if (form.ShowModal() == IDOK) {
    const std::string text = JoinCommandLines(form.Lines());
    SetText(text);
    if (AutoSelect) {
      SendMessageA(hwnd_, EM_SETSEL, 0, GetWindowTextLengthA(hwnd_));
    }
  }
}

void TRefEdit::WMSize() {
  RECT r;
  GetClientRect(hwnd_, &r);
  FButton->SetBounds(r.right - kButtonWidth, 0, kButtonWidth, r.bottom);
  // The text never runs under the button.
  r.right -= kButtonWidth;
  SendMessageA(hwnd_, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  FButton->Invalidate();
}

void TRefEdit::WMSetFocus() {
  RECT r;
  GetClientRect(hwnd_, &r);
  CreateCaret(hwnd_, nullptr, 1, r.bottom - 4);
  ShowCaret(hwnd_);
}

LRESULT TRefEdit::WMChar(WPARAM wparam, LPARAM lparam) {
  // The field holds one line: Enter (and Ctrl+Enter's line feed) is refused with a beep,
  // yet the key-press event still sees it.
  if (wparam == '\r' || wparam == '\n') {
    MessageBeep(0);
    char key = static_cast<char>(wparam);
    if (OnKeyPress) {
      OnKeyPress(key);
    }
    return 0;
  }
  if (OnKeyPress) {
    char key = static_cast<char>(wparam);
    OnKeyPress(key);
    if (key == 0) {
      return 0;
    }
    wparam = static_cast<unsigned char>(key);
  }
  return Default(WM_CHAR, wparam, lparam);
}

LRESULT TRefEdit::WMSetText(WPARAM wparam, LPARAM lparam) {
  // A multi-line edit sends no EN_CHANGE for a text that is set, yet a set text is a
  // change like a typed one. Raised here once, whatever the control sends meanwhile.
  setting_text_ = true;
  const LRESULT result = Default(WM_SETTEXT, wparam, lparam);
  setting_text_ = false;
  if (OnChange) {
    OnChange();
  }
  return result;
}

void TRefEdit::CMEnabledChanged() {
  FButton->Invalidate();
  UpdateWindow(hwnd_);
}

void TRefEdit::PaintButton() {
  HDC dc = GetDC(hwnd_);
  FButton->Paint(dc);
  ReleaseDC(hwnd_, dc);
}

LRESULT TRefEdit::Default(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(edit_proc_, hwnd_, message, wparam, lparam);
}

LRESULT TRefEdit::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = Default(message, wparam, lparam);
      WMSize();
      return result;
    }
    case WM_SETFOCUS: {
      const LRESULT result = Default(message, wparam, lparam);
      WMSetFocus();
      return result;
    }
    case WM_CHAR:
      return WMChar(wparam, lparam);
    case WM_SETTEXT:
      return WMSetText(wparam, lparam);
    case WM_ENABLE: {
      const LRESULT result = Default(message, wparam, lparam);
      CMEnabledChanged();
      return result;
    }
    case WM_PAINT: {
      const LRESULT result = Default(message, wparam, lparam);
      PaintButton();
      return result;
    }
    case WM_GETDLGCODE: {
      // Enter comes here (to be refused), Tab moves on as in any one-line field.
      LRESULT code = Default(message, wparam, lparam) & ~DLGC_WANTALLKEYS;
      const auto* msg = reinterpret_cast<const MSG*>(lparam);
      if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
          msg->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_SETCURSOR: {
      POINT cursor;
      GetCursorPos(&cursor);
      ScreenToClient(hwnd_, &cursor);
      if (LOWORD(lparam) == HTCLIENT && FButton->Contains(cursor)) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        return TRUE;
      }
      return Default(message, wparam, lparam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double click is just another click
      if (FButton->Contains(p)) {
        SetCapture(hwnd_);
        FButton->MouseDown();
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (FButton->Tracking()) {
        FButton->MouseMove(p);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (FButton->Tracking()) {
        const bool clicked = FButton->MouseUp(p);
        ReleaseCapture();
        if (clicked) {
          FButton->Click();
        }
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (FButton->Tracking() && reinterpret_cast<HWND>(lparam) != hwnd_) {
        FButton->CancelTracking();
      }
      break;
    default:
      break;
  }
  return Default(message, wparam, lparam);
}

LRESULT CALLBACK TRefEdit::SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = static_cast<TRefEdit*>(GetPropW(hwnd, kSelfProperty));
  if (!self) {
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    const WNDPROC original = self->edit_proc_;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropW(hwnd, kSelfProperty);
    self->hwnd_ = nullptr;
    return CallWindowProcA(original, hwnd, message, wparam, lparam);
  }
  return AtMessageBoundary([&] { return self->Handle(message, wparam, lparam); });
}

}  // namespace lumo
