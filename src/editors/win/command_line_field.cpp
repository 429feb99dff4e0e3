#include "editors/win/command_line_field.h"

#include <windowsx.h>

#include <type_traits>

#include "announcer/command_execution.h"
#include "editors/command_lines.h"
#include "editors/win/command_editor.h"
#include "platform/message_boxes.h"
#include "platform/wnd.h"

namespace lumo {

namespace {

constexpr wchar_t kSelfProperty[] = L"Lumo.CommandLineField";

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

// ---- BrowseButton ----

void BrowseButton::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

bool BrowseButton::Contains(POINT p) const {
  return PtInRect(&bounds_, p) != FALSE;
}

void BrowseButton::Invalidate() const {
  InvalidateRect(field_.Handle(), &bounds_, FALSE);
}

void BrowseButton::Paint(HDC dc) const {
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
  const bool enabled = IsWindowEnabled(field_.Handle()) != FALSE;
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

void BrowseButton::MouseDown() {
  tracking_ = true;
  down_ = true;
  Invalidate();
  HWND edit = field_.Handle();
  if (IsWindowEnabled(edit) && IsWindowVisible(edit)) {
    SetFocus(edit);
  }
}

void BrowseButton::MouseMove(POINT p) {
  if (!tracking_) {
    return;
  }
  const bool inside = Contains(p);
  if (inside != down_) {
    down_ = inside;
    Invalidate();
  }
}

void BrowseButton::CancelTracking() {
  tracking_ = false;
  if (down_) {
    down_ = false;
    Invalidate();
  }
}

bool BrowseButton::MouseUp(POINT p) {
  if (!tracking_) {
    return false;
  }
  tracking_ = false;
  down_ = false;
  Invalidate();
  UpdateWindow(field_.Handle());
  return Contains(p);
}

void BrowseButton::Click() {
  if (OnClick) {
    OnClick();
  }
  field_.Browse();
}

// ---- CommandLineField ----

CommandLineField::CommandLineField(HWND parent, int id, int x, int y, int width, int height)
    : button_(std::make_unique<BrowseButton>(*this)) {
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
  HandleSize();
}

CommandLineField::~CommandLineField() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit_proc_));
    RemovePropW(hwnd_, kSelfProperty);
    DestroyWindow(hwnd_);
  }
}

std::string CommandLineField::Text() const {
  const int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void CommandLineField::SetText(const std::string& text) {
  SetWindowTextA(hwnd_, text.c_str());  // raises OnChange, see HandleSetText
}

bool CommandLineField::Visible() const {
  return IsWindowVisible(hwnd_) != FALSE;
}

void CommandLineField::SetVisible(bool visible) {
  ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool CommandLineField::HandleCommand(WPARAM wparam, LPARAM lparam) {
  if (reinterpret_cast<HWND>(lparam) != hwnd_) {
    return false;
  }
  if (HIWORD(wparam) == EN_CHANGE && !setting_text_ && OnChange) {
    OnChange();
  }
  return true;
}

void CommandLineField::Browse() {
  CommandEditor form;
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

void CommandLineField::HandleSize() {
  RECT r;
  GetClientRect(hwnd_, &r);
  button_->SetBounds(r.right - kButtonWidth, 0, kButtonWidth, r.bottom);
  // The text never runs under the button.
  r.right -= kButtonWidth;
  SendMessageA(hwnd_, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
  button_->Invalidate();
}

void CommandLineField::HandleSetFocus() {
  RECT r;
  GetClientRect(hwnd_, &r);
  CreateCaret(hwnd_, nullptr, 1, r.bottom - 4);
  ShowCaret(hwnd_);
}

LRESULT CommandLineField::HandleChar(WPARAM wparam, LPARAM lparam) {
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
  return CallEditProc(WM_CHAR, wparam, lparam);
}

LRESULT CommandLineField::HandleSetText(WPARAM wparam, LPARAM lparam) {
  // A multi-line edit sends no EN_CHANGE for a text that is set, yet a set text is a
  // change like a typed one. Raised here once, whatever the control sends meanwhile.
  setting_text_ = true;
  const LRESULT result = CallEditProc(WM_SETTEXT, wparam, lparam);
  setting_text_ = false;
  if (OnChange) {
    OnChange();
  }
  return result;
}

void CommandLineField::HandleEnable() {
  button_->Invalidate();
  UpdateWindow(hwnd_);
}

void CommandLineField::PaintButton() {
  HDC dc = GetDC(hwnd_);
  button_->Paint(dc);
  ReleaseDC(hwnd_, dc);
}

LRESULT CommandLineField::CallEditProc(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(edit_proc_, hwnd_, message, wparam, lparam);
}

LRESULT CommandLineField::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  const POINT p{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  switch (message) {
    case WM_SIZE: {
      const LRESULT result = CallEditProc(message, wparam, lparam);
      HandleSize();
      return result;
    }
    case WM_SETFOCUS: {
      const LRESULT result = CallEditProc(message, wparam, lparam);
      HandleSetFocus();
      return result;
    }
    case WM_CHAR:
      return HandleChar(wparam, lparam);
    case WM_SETTEXT:
      return HandleSetText(wparam, lparam);
    case WM_ENABLE: {
      const LRESULT result = CallEditProc(message, wparam, lparam);
      HandleEnable();
      return result;
    }
    case WM_PAINT: {
      const LRESULT result = CallEditProc(message, wparam, lparam);
      PaintButton();
      return result;
    }
    case WM_GETDLGCODE: {
      // Enter comes here (to be refused), Tab moves on as in any one-line field.
      LRESULT code = CallEditProc(message, wparam, lparam) & ~DLGC_WANTALLKEYS;
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
      if (LOWORD(lparam) == HTCLIENT && button_->Contains(cursor)) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        return TRUE;
      }
      return CallEditProc(message, wparam, lparam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a double click is just another click
      if (button_->Contains(p)) {
        SetCapture(hwnd_);
        button_->MouseDown();
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (button_->Tracking()) {
        button_->MouseMove(p);
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (button_->Tracking()) {
        const bool clicked = button_->MouseUp(p);
        ReleaseCapture();
        if (clicked) {
          button_->Click();
        }
        return 0;
      }
      break;
    case WM_CAPTURECHANGED:
      if (button_->Tracking() && reinterpret_cast<HWND>(lparam) != hwnd_) {
        button_->CancelTracking();
      }
      break;
    default:
      break;
  }
  return CallEditProc(message, wparam, lparam);
}

LRESULT CALLBACK CommandLineField::SubclassProc(HWND hwnd, UINT message, WPARAM wparam,
                                                LPARAM lparam) {
  auto* self = static_cast<CommandLineField*>(GetPropW(hwnd, kSelfProperty));
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
  return AtMessageBoundary([&] { return self->HandleMessage(message, wparam, lparam); });
}

}  // namespace lumo
