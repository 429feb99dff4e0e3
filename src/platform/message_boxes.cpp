#include "platform/message_boxes.h"

#include "platform/ansi_text.h"
#include "service/message_title.h"

namespace lumo {

namespace {

bool g_boxes_stopped = false;

// Without an owner the box is centred on the screen; task-modal keeps the program's other
// windows disabled while it is open, as an owned box would.
void ShowBox(const std::string& text, UINT icon) {
  if (g_boxes_stopped) {
    return;
  }
  const std::wstring title = ProgramMessageTitle();
  MessageBoxW(nullptr, AnsiToWide(text).c_str(), title.c_str(), MB_OK | MB_TASKMODAL | icon);
}

}  // namespace

std::wstring ProgramMessageTitle() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return AnsiToWide(MessageTitle(std::string(path, length)));
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
