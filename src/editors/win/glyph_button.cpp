#include "editors/win/glyph_button.h"

namespace lumo {

namespace {

void DrawGlyph(HDC dc, ButtonGlyph glyph, int x, int y, bool enabled) {
  const COLORREF colour = !enabled                       ? GetSysColor(COLOR_GRAYTEXT)
                          : glyph == ButtonGlyph::kCheck ? RGB(0, 128, 0)
                                                         : RGB(192, 0, 0);
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  HGDIOBJ old = SelectObject(dc, pen);
  if (glyph == ButtonGlyph::kCheck) {
    const POINT tick[3] = {{x + 1, y + 6}, {x + 4, y + 9}, {x + 11, y + 2}};
    Polyline(dc, tick, 3);
  } else {
    MoveToEx(dc, x + 2, y + 2, nullptr);
    LineTo(dc, x + 10, y + 10);
    MoveToEx(dc, x + 10, y + 2, nullptr);
    LineTo(dc, x + 2, y + 10);
  }
  SelectObject(dc, old);
  DeleteObject(pen);
}

}  // namespace

void DrawGlyphButton(const DRAWITEMSTRUCT& item, ButtonGlyph glyph, bool is_default) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool enabled = (item.itemState & ODS_DISABLED) == 0;
  if (is_default || (item.itemState & ODS_FOCUS)) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  wchar_t caption[64] = {};
  GetWindowTextW(item.hwndItem, caption, 64);
  HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SIZE text{};
  GetTextExtentPoint32W(dc, caption, lstrlenW(caption), &text);
  constexpr int kGlyph = 12, kSpacing = 4;
  const int shift = pressed ? 1 : 0;
  const int left = (r.left + r.right - (kGlyph + kSpacing + text.cx)) / 2 + shift;
  const int middle = (r.top + r.bottom) / 2 + shift;
  DrawGlyph(dc, glyph, left, middle - kGlyph / 2, enabled);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  TextOutW(dc, left + kGlyph + kSpacing, middle - text.cy / 2, caption, lstrlenW(caption));
  SelectObject(dc, old_font);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = r;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace lumo
