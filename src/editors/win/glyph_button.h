#pragma once
// Push buttons with a small glyph before the caption, as the command editor's OK and
// Cancel buttons show them. They are BS_OWNERDRAW buttons: the form passes WM_DRAWITEM here.
#include <windows.h>

namespace lumo {

enum class ButtonGlyph { kCheck, kCross };

// Draws a glyph button; glyph chosen by the caller, is_default draws the default frame.
void DrawGlyphButton(const DRAWITEMSTRUCT& item, ButtonGlyph glyph, bool is_default);

}  // namespace lumo
