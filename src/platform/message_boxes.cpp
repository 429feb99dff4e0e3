#include "platform/message_boxes.h"

#include "platform/ansi_text.h"
#include "platform/program_file.h"
#include "platform/program_log.h"
#include "service/message_title.h"

namespace lumo {

namespace {

bool g_boxes_stopped = false;

// Without an owner the box is centred on the screen; task-modal keeps the program's other
// windows disabled while it is open, as an owned box would.
// Every box goes into the log first, and the log to its file: nobody may be there to read
// the box, and the program may never come back from it.
void ShowBox(const std::string& text, UINT icon) {
  ProgramLog().Write("box", (icon == MB_ICONSTOP ? "error: " : "information: ") + text +
                                (g_boxes_stopped ? " (not shown: the session ends)" : ""));
  ProgramLog().Flush();
  if (g_boxes_stopped) {
    return;
  }
  const std::wstring title = ProgramMessageTitle();
  MessageBoxW(nullptr, AnsiToWide(text).c_str(), title.c_str(), MB_OK | MB_TASKMODAL | icon);
}

}  // namespace

std::wstring ProgramMessageTitle() {
  return AnsiToWide(MessageTitle(ProgramFilePath()));
}

void ShowErrorBox(const std::string& text) {
  ShowBox(text, MB_ICONSTOP);
}

void ShowInformationBox(const std::string& text) {
  ShowBox(text, 0);
}

void StopShowingBoxes() {
  g_boxes_stopped = true;
}

}  // namespace lumo
