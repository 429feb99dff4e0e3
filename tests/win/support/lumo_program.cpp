#include "support/lumo_program.h"

#include "app/monitor_ids.h"
#include "support/message_box.h"
#include "support/paths.h"
#include "support/window_text.h"

namespace lumo::test {

std::string PrepareLumoDir(const std::string& name, const std::string& sdf) {
  const std::string dir = MakeProgramDir(name);
  std::vector<std::string> files = {"Lumo.exe", "hooker.dll"};
  if (GetFileAttributesA((BinDir() + "cts4r.dll").c_str()) != INVALID_FILE_ATTRIBUTES) {
    files.push_back("cts4r.dll");
  }
  CopyFromBin(dir, files);
  WriteFile(dir + "Lumo.sdf", sdf);
  return dir;
}

LumoRun StartLumo(const std::string& dir) {
  AnnouncerRecord record(dir + "announcer.log");
  LumoRun run{Process(dir + "Lumo.exe", "", {"LUMO_ANNOUNCER_LOG=" + record.Path()}), nullptr,
              record};
  const DWORD id = run.process.Id();
  WaitUntil([&] {
    run.main = FindProcessWindow(id, "TForm1", "Lumo");
    // The status line is set at the end of the start-up sequence.
    return run.main != nullptr && !StatusText(run.main).empty();
  });
  return run;
}

LumoRun StartInTray(const std::string& dir) {
  LumoRun run = StartLumo(dir);
  if (run.main != nullptr && !WaitHidden(run.main)) {
    run.main = nullptr;
  }
  return run;
}

bool ExitThroughMenu(const LumoRun& run) {
  PostMessageW(run.main, WM_COMMAND, kIdN3, 0);
  HWND question = WaitForMessageBox(run.process.Id(), "Lumo");
  return question != nullptr && PressButton(question, IDYES);
}

std::wstring StatusText(HWND main) {
  return TextOf(GetDlgItem(main, kIdStatusBar1));
}

HWND Control(HWND main, int id) {
  return GetDlgItem(main, id);
}

bool WaitHidden(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([window] { return !IsWindowVisible(window); }, timeout);
}

bool WaitShown(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([window] { return IsWindowVisible(window) != FALSE; }, timeout);
}

}  // namespace lumo::test
