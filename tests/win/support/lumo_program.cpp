#include "support/lumo_program.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/monitor_ids.h"

namespace lumo::test {

std::string PrepareLumoDir(const std::string& name, const std::string& sdf) {
  const std::string dir = MakeProgramDir(name);
  CopyFromBin(dir, {"Lumo.exe", "hooker.dll", "cts4r.dll"});
  WriteFile(dir + "Lumo.sdf", sdf);
  return dir;
}

LumoRun StartLumo(const std::string& dir, bool wait) {
  AnnouncerRecord record(dir + "announcer.log");
  SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", record.Path().c_str());
  LumoRun run{Process(dir + "Lumo.exe"), nullptr, record};
  SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", nullptr);
  if (wait) {
    run.main = WaitForMainWindow(run.process);
    if (run.main != nullptr && !WaitHidden(run.main)) {
      run.main = nullptr;
    }
  }
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

HWND OpenFromTrayMenu(const LumoRun& run, char access_key, const std::string& window_class,
                      const std::function<void(HWND menu)>& seen) {
  // Under Wine without a window manager the menu of a hidden window is at times closed by a
  // focus change right after it opens: a person would click the icon again, and so does this.
  HWND opened = nullptr;
  for (int attempt = 0; attempt < 8 && opened == nullptr; ++attempt) {
    PostMessageW(run.main, kWmTrayNotify, 0, WM_RBUTTONDOWN);
    HWND menu = WaitForProcessWindow(run.process.Id(), "#32768", "", 1s);
    if (menu != nullptr && seen) {
      Sleep(300);  // painted
      if (!IsWindowVisible(menu)) {
        continue;
      }
      seen(menu);
    }
    // The menu's loop reads the keys of its thread wherever the focus is.
    if (menu != nullptr) {
      PostMessageW(menu, WM_CHAR, static_cast<WPARAM>(access_key), 0);
      opened = WaitForProcessWindow(run.process.Id(), window_class, "", 1s);
    }
  }
  Sleep(100);  // let it finish showing before it is driven
  return opened;
}

bool ExitThroughMenu(const LumoRun& run) {
  PostMessageW(run.main, WM_COMMAND, kIdN3, 0);
  HWND question = WaitForMessageBox(run.process.Id());
  return question != nullptr && PressButton(question, IDYES);
}

std::wstring StatusText(HWND main) {
  return TextOf(GetDlgItem(main, kIdStatusBar1));
}

std::optional<DWORD> SavedSetting(const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_CURRENT_USER, "Software\\Lumo", name, RRF_RT_REG_DWORD, nullptr, &value,
                      &size) == ERROR_SUCCESS
             ? std::optional(value)
             : std::nullopt;
}

bool WaitHidden(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([window] { return !IsWindowVisible(window); }, timeout);
}

bool WaitShown(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([window] { return IsWindowVisible(window) != FALSE; }, timeout);
}

HWND WaitForMessageBox(DWORD process_id, const std::string& title) {
  return WaitForProcessWindow(process_id, "#32770", title);
}

std::wstring MessageBoxText(HWND box) {
  bool icon = false;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[16] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    icon = icon || (lstrcmpiA(class_name, "Static") == 0 &&
                    (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                    IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0);
  }
  return (icon ? L"" : L"!") + TextOf(GetDlgItem(box, 0xFFFF));  // the message's static
}

bool PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  // Posted: the box's owner may do long work once it returns.
  return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) &&
         WaitUntil([box] { return !IsWindow(box); });
}

std::wstring AnswerBox(DWORD process_id, int id) {
  HWND box = WaitForMessageBox(process_id);
  if (box == nullptr) {
    return L"<no box>";
  }
  const std::wstring text = MessageBoxText(box);
  EXPECT_TRUE(PressButton(box, id));
  return text;
}

RegisterSim StartRegisterSim(const std::string& arguments) {
  RegisterSim sim{Process(BinDir() + "register-sim.exe", arguments)};
  sim.window = WaitForProcessWindow(sim.process.Id(), register_sim::kWindowClass);
  if (sim.window == nullptr) {
    throw std::runtime_error("register-sim.exe showed no window");
  }
  return sim;
}

}  // namespace lumo::test
