#pragma once
// The program's own message boxes. Texts are ANSI bytes, as the errors and messages of the
// system are; the boxes show them through the wide API.
#include <windows.h>

#include <exception>
#include <string>

namespace lumo {

// The title of the program's boxes, from its own file name ("Lumo" for Lumo.exe).
std::wstring ProgramMessageTitle();

// Stop icon, one OK button: the application's error report.
void ShowErrorBox(const std::string& text);

// No icon, one OK button, centred on the screen; returns when the user has closed it.
void ShowInformationBox(const std::string& text);

// Once the session ends nobody is left to answer a box, and an open one would hold up the
// end: from then on the two above show nothing.
void StopShowingBoxes();

// The message boundary of a window procedure: an exception ends the event being handled,
// the user sees its text in the error box, and the program goes on (the result is then 0).
template <typename Handler>
LRESULT AtMessageBoundary(Handler&& handler) {
  try {
    return handler();
  } catch (const std::exception& error) {
    ShowErrorBox(error.what());
  } catch (...) {
    ShowErrorBox("Unknown error");
  }
  return 0;
}

}  // namespace lumo
