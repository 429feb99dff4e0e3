#pragma once
// With LUMO_ANNOUNCER_WINDOW=1 the stand-in shows what a customer would see and hear: a
// small window with the two display lines, the graphic display at 2x zoom and the last
// spoken text. Without it every call here returns at once.
//
// The window lives on a thread of its own with its own message loop. The driver is called
// on the program's one user-interface thread, which must stay exactly as it is without
// the window: a call only stores what changed and posts a note, never sends or waits, so
// the caller's timing and message order do not change, and the window keeps painting while
// that thread sleeps through its 100 ms waits or sits in a modal loop.
#include <string>

#include "capture/display_picture.h"

namespace lumo::cts4r {

// Window class and control identifiers, for whoever looks at the window from outside.
inline constexpr wchar_t kViewClass[] = L"LumoAnnouncerView";
inline constexpr int kViewLine1Id = 1;
inline constexpr int kViewLine2Id = 2;
inline constexpr int kViewSpokenId = 3;
// The display's place in the client area, drawn kViewZoom times its size.
inline constexpr int kViewPictureX = 12;
inline constexpr int kViewPictureY = 64;
inline constexpr int kViewZoom = 2;

// Texts are ANSI bytes, as the driver gets them.
void ViewClear();
void ViewPrint(int line, const std::string& text);
void ViewSpeak(const std::string& text);
void ViewPicture(const DisplayPicture& picture);

}  // namespace lumo::cts4r
