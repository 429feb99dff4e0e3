#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "app/main_window.h"
#include "app/main_window_ids.h"
#include "common/program_path.h"
#include "lumo_version.h"
#include "platform/ansi_text.h"
#include "platform/message_boxes.h"
#include "platform/message_loop.h"
#include "platform/program_file.h"
#include "platform/program_log.h"
#include "platform/system_error.h"
#include "platform/win_code_page.h"

namespace {

// The kernel reads a backslash in an object name as a namespace separator and refuses the
// name. The file name holds none as a character of its own, but whatever the conversion
// makes of its bytes, the name must stay valid.
std::wstring InstanceMutexName(const std::string& file_name) {
  std::wstring name = lumo::AnsiToWide(file_name);
  std::replace(name.begin(), name.end(), L'\\', L'_');
  return name;
}

int Run() {
  // Every text helper steps over characters by the system's lead bytes, the file name
  // below included.
  lumo::UseSystemLeadBytes();
  const std::string path = lumo::ProgramFilePath();
  lumo::OpenProgramLog(path);
  lumo::LogProgramStartOrEnd("start", LUMO_VERSION_TEXT, path);
  // One copy at a time: the mutex is named after the program's file name and stays open
  // for the life of the process.
  const std::string name = path.substr(lumo::DirectoryPart(path).size());
  HANDLE mutex = CreateMutexW(nullptr, FALSE, InstanceMutexName(name).c_str());
  if (mutex == nullptr) {
    // Without the mutex there is no telling whether another copy runs, and two copies would
    // fight over the hotkeys and the hotkey file: report it and do not start.
    const DWORD error = GetLastError();
    lumo::ShowErrorBox("Cannot create the single-instance mutex \"" + name + "\". " +
                       lumo::SystemErrorText(error));
    return 1;
  }
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    HWND first = FindWindowW(lumo::kMainClassName, lumo::kMainTitle);
    if (first != nullptr) {
      SendMessageA(first, lumo::kWmRestoreApp, 0, 0);
    }
    lumo::ProgramLog().Write("end", "another copy runs already; its window was asked to show");
    return 0;
  }
  // Windows may start the program again after an installer has closed it to replace its
  // files, or after a restart it made; not after a crash or a hang, which would only repeat.
  RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  lumo::HotkeyList hotkeys;
  int result = 0;
  {
    lumo::MainWindow main_window(hotkeys);
    main_window.Create();
    result = lumo::RunMessageLoop();
    main_window.EndAfterLoop();
  }
  hotkeys.clear();
  lumo::LogProgramStartOrEnd("end", LUMO_VERSION_TEXT, path);
  return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int result = 1;
  try {
    result = Run();
  } catch (const std::exception& error) {
    lumo::ShowErrorBox(error.what());
  }
  lumo::ProgramLog().Flush();
  return result;
}
