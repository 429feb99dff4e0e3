#include "support/lumo_program.h"

#include "app/monitor_ids.h"
#include "support/message_box.h"

namespace lumo::test {

using namespace std::chrono_literals;

std::string PrepareLumoDir(const std::string& name, const std::string& sdf) {
  const std::string dir = MakeProgramDir(name);
  CopyFromBin(dir, {"Lumo.exe", "hooker.dll", "cts4r.dll"});
  WriteFile(dir + "Lumo.sdf", sdf);
  return dir;
}

LumoRun StartLumo(const std::string& dir) {
  AnnouncerRecord record(dir + "announcer.log");
  LumoRun run{Process(dir + "Lumo.exe", "", {"LUMO_ANNOUNCER_LOG=" + record.Path()}), nullptr,
              record};
  run.main = WaitForMainWindow(run.process);
  return run;
}

HWND WaitForMainWindow(const Process& process) {
  HWND main = nullptr;
  // The status line is set at the end of the start-up sequence; before, reading it from
  // another process can give stray characters.
  const bool started = WaitUntil([&] {
    main = FindProcessWindow(process.Id(), "TForm1", "Lumo");
    const std::wstring status = main != nullptr ? StatusText(main) : L"";
    return status == kNotStarted || status == kRunning || status == kStopped;
  });
  return started ? main : nullptr;
}

LumoRun StartInTray(const std::string& dir) {
  LumoRun run = StartLumo(dir);
  if (run.main != nullptr && !WaitHidden(run.main)) {
    run.main = nullptr;
  }
  return run;
}

HWND OpenFromTrayMenu(const LumoRun& run, char access_key, const std::string& window_class) {
  // Under Wine without a window manager the menu of a hidden window is at times closed by a
  // focus change right after it opens: a person would click the icon again, and so does this.
  HWND opened = nullptr;
  for (int attempt = 0; attempt < 8 && opened == nullptr; ++attempt) {
    PostMessageW(run.main, kWmTrayNotify, 0, WM_RBUTTONDOWN);
    // The menu's loop reads the keys of its thread wherever the focus is.
    if (HWND menu = WaitForProcessWindow(run.process.Id(), "#32768", "", nullptr, 1s)) {
      PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(access_key), 0);
      opened = WaitForProcessWindow(run.process.Id(), window_class, "", nullptr, 1s);
    }
  }
  Sleep(100);  // let it finish showing before it is driven
  return opened;
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
