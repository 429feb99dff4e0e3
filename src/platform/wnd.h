#pragma once
// A small base for the program's windows: the object is found from the handle (recorded at
// WM_NCCREATE), messages arrive at virtual handlers, and no exception leaves a handler: the
// message boundary shows it in the error box and the program goes on.
#include <windows.h>

#include <string>

namespace lumo {

struct WindowArgs {
  const wchar_t* class_name = L"";
  const wchar_t* title = L"";
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD ex_style = 0;
  int width = 0;
  int height = 0;
  // When true, width and height are those of the client area.
  bool client_size = false;
  HWND owner = nullptr;
  HICON icon = nullptr;
};

class Wnd {
 public:
  Wnd() = default;
  virtual ~Wnd();
  Wnd(const Wnd&) = delete;
  Wnd& operator=(const Wnd&) = delete;

  HWND Handle() const { return hwnd_; }
  // Creates the window hidden and centred on the screen; throws when that fails.
  void CreateWnd(const WindowArgs& args);
  void Destroy();

 protected:
  // Default dispatch to the handlers below; override for messages of one's own.
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnClose() { Destroy(); }
  virtual void OnDestroy() {}
  LRESULT DefaultProc(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  HWND hwnd_ = nullptr;
};

// A child control from a small description; WS_CHILD and WS_VISIBLE are always added.
struct ControlArgs {
  const wchar_t* class_name = L"";
  const wchar_t* text = L"";
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int id = 0;
  DWORD style = 0;
  DWORD ex_style = 0;
  HFONT font = nullptr;  // the UI font when null
};

HWND CreateControl(HWND parent, const ControlArgs& args);

// A label sized to its text, like an auto-sized label.
HWND CreateLabel(HWND parent, int id, const wchar_t* text, int x, int y, HFONT font = nullptr);
// Sets a label's text and sizes it to the new text.
void SetLabelText(HWND label, const std::wstring& text);

// "宋体", 12 pixels high: the font of every control of the program.
HFONT UiFont();
HFONT UiFontUnderlined();

// The text of a window through the wide API.
std::wstring WindowTextOf(HWND hwnd);

}  // namespace lumo
