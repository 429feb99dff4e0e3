#pragma once
// A one-line text field with a small "..." button inside its right edge. Its
// text is a list of announcer command lines joined by "^"; the button edits them line by
// line in the command editor.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

namespace lumo {

class CommandLineField;

// The windowless button drawn on the field's own window.
class BrowseButton {
 public:
  explicit BrowseButton(CommandLineField& edit) : field_(edit) {}

  RECT Bounds() const { return bounds_; }
  void SetBounds(int left, int top, int width, int height);
  bool Down() const { return down_; }
  bool Contains(POINT client_point) const;

  void Paint(HDC dc) const;
  void Invalidate() const;

  // Mouse handling, forwarded by the field for points on the button.
  void MouseDown();
  void MouseMove(POINT client_point);
  // True when the mouse went up on the button: a click.
  bool MouseUp(POINT client_point);
  void CancelTracking();  // the capture went elsewhere
  bool Tracking() const { return tracking_; }
  void Click();

  std::function<void()> OnClick;

 private:
  CommandLineField& field_;
  RECT bounds_{};
  bool down_ = false;      // drawn pressed
  bool tracking_ = false;  // the mouse went down on the button and is still held
};

class CommandLineField {
 public:
  static constexpr int kButtonWidth = 16;

  CommandLineField(HWND parent, int id, int x, int y, int width, int height);
  ~CommandLineField();
  CommandLineField(const CommandLineField&) = delete;
  CommandLineField& operator=(const CommandLineField&) = delete;

  HWND Handle() const { return hwnd_; }
  BrowseButton& Button() { return *button_; }

  std::string Text() const;
  void SetText(const std::string& text);  // raises OnChange
  bool Visible() const;
  void SetVisible(bool visible);

  // Edits the text in the command editor, one command per line.
  void Browse();

  // The parent passes its WM_COMMAND here; true when it was this control's notification.
  // An EN_CHANGE becomes OnChange.
  bool HandleCommand(WPARAM wparam, LPARAM lparam);

  bool AutoSelect = true;
  std::function<void()> OnChange;
  std::function<void(char& key)> OnKeyPress;

 private:
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT CallEditProc(UINT message, WPARAM wparam, LPARAM lparam);
  void HandleSize();
  void HandleSetFocus();
  LRESULT HandleChar(WPARAM wparam, LPARAM lparam);
  LRESULT HandleSetText(WPARAM wparam, LPARAM lparam);
  void HandleEnable();
  void PaintButton();

  HWND hwnd_ = nullptr;
  WNDPROC edit_proc_ = nullptr;
  bool setting_text_ = false;
  std::unique_ptr<BrowseButton> button_;
};

}  // namespace lumo
