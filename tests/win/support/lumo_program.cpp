#include "support/lumo_program.h"

#include <algorithm>
#include <stdexcept>

#include "app/main_window_ids.h"

namespace lumo::test {

std::string PrepareLumoDir(const std::string& name, const std::string& sdf) {
  const std::string dir = MakeProgramDir(name);
  for (const char* file : {"Lumo.exe", "lumo-inspect.exe", "hooker.dll", "cts4r.dll"}) {
    if (!CopyFileA((BinDir() + file).c_str(), (dir + file).c_str(), FALSE)) {
      throw std::runtime_error("cannot copy " + BinDir() + file + " to " + dir);
    }
  }
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
    if (run.main != nullptr && !WaitVisible(run.main, false)) {
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
    main = WindowOf(process.Id(), "TForm1", false, 0ms);
    const std::wstring status = StatusText(main);
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
    HWND menu = WindowOf(run.process.Id(), "#32768", true, 1s);
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
      opened = WindowOf(run.process.Id(), window_class, true, 1s);
    }
  }
  Sleep(100);  // let it finish showing before it is driven
  return opened;
}

bool ExitThroughMenu(const LumoRun& run) {
  PostMessageW(run.main, WM_COMMAND, kIdExitItem, 0);
  return AnswerBox(run.process.Id(), IDYES) == kExitQuestion;
}

std::wstring StatusText(HWND main) {
  return main != nullptr ? TextOf(GetDlgItem(main, kIdStatusBar)) : L"";
}

std::optional<DWORD> SavedSetting(const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_CURRENT_USER, "Software\\Lumo", name, RRF_RT_REG_DWORD, nullptr, &value,
                      &size) == ERROR_SUCCESS
             ? std::optional(value)
             : std::nullopt;
}

bool WaitVisible(HWND window, bool visible) {
  return WaitUntil([=] { return (IsWindowVisible(window) != FALSE) == visible; }, 3s);
}

std::wstring AnswerBox(DWORD process_id, int id, const std::function<void()>& meanwhile) {
  HWND box = WindowOf(process_id, "#32770");
  if (box == nullptr) {
    return L"<no box>";
  }
  bool icon = false;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[16] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    icon = icon || (lstrcmpiA(class_name, "Static") == 0 &&
                    (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
                    IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0);
  }
  const std::wstring text = (icon ? L"" : L"!") + TextOf(GetDlgItem(box, 0xFFFF));
  if (meanwhile) {
    meanwhile();
  }
  // Posted: the box's owner may do long work once it returns.
  PostMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
  return WaitUntil([box] { return !IsWindow(box); }) ? text : text + L" <still open>";
}

std::vector<std::string> LogEvents(const std::string& log) {
  constexpr std::size_t kTimeWidth = 24;  // "2026-12-08 14:05:03.127 "
  std::vector<std::string> events;
  std::size_t start = 3;
  for (std::size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
    events.push_back(log.substr(start + kTimeWidth, end - start - kTimeWidth));
  }
  return events;
}

std::vector<std::string> LogEvents(const std::string& log,
                                   std::initializer_list<std::string_view> prefixes) {
  std::vector<std::string> events = LogEvents(log);
  std::erase_if(events, [&](const std::string& event) {
    return std::none_of(prefixes.begin(), prefixes.end(),
                        [&](std::string_view prefix) { return event.starts_with(prefix); });
  });
  return events;
}

RegisterSim StartRegisterSim(const std::string& arguments) {
  RegisterSim sim{Process(BinDir() + "register-sim.exe", arguments)};
  sim.window = WindowOf(sim.process.Id(), register_sim::kWindowClass);
  if (sim.window == nullptr) {
    throw std::runtime_error("register-sim.exe showed no window");
  }
  return sim;
}

}  // namespace lumo::test
