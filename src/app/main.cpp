#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/monitor.h"
#include "app/monitor_ids.h"
#include "common/program_path.h"
#include "platform/message_boxes.h"
#include "platform/message_loop.h"

namespace {

std::string ProgramFileName() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, length);
  return full.substr(lumo::DirectoryPart(full).size());
}

int Run() {
  // One copy at a time: the mutex is named after the program's file name and stays open
  // for the life of the process.
  const std::string name = ProgramFileName();
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
    HWND first = FindWindowA("TForm1", "Lumo");
    if (first != nullptr) {
      SendMessageA(first, lumo::kWmRestoreApp, 0, 0);
    }
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  lumo::HotkeyList hotkeys;
  int result = 0;
  {
    lumo::TForm1 form(hotkeys);
    form.Create();
    result = lumo::RunMessageLoop();
  }
  hotkeys.clear();
  return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return Run();
  } catch (const std::exception& error) {
    lumo::ShowErrorBox(error.what());
  }
  return 1;
}
