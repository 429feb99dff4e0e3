#pragma once
// A captioned top-level window of the test's own that paints a known picture of filled
// rectangles in its client area, standing in for the register window.
#include <windows.h>

#include <vector>

namespace lumo::test {

struct PaintedRect {
  RECT rect;  // client coordinates
  COLORREF colour;
};

class PatternWindow {
 public:
  PatternWindow(POINT position, SIZE size, COLORREF background, std::vector<PaintedRect> rects);
  PatternWindow(const PatternWindow&) = delete;
  PatternWindow& operator=(const PatternWindow&) = delete;
  ~PatternWindow();

  HWND Handle() const { return window_; }
  // Where the client area's top-left corner lies in whole-window coordinates.
  POINT ClientOrigin() const;
  void Destroy();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Paint(HDC dc) const;

  HWND window_ = nullptr;
  COLORREF background_;
  std::vector<PaintedRect> rects_;
};

}  // namespace lumo::test
