#include "app/support_log_events.h"

#include "common/program_path.h"
#include "platform/program_log.h"
#include "platform/system_error.h"

namespace lumo {

namespace {

std::string ProgramOfWindow(HWND window) {
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id);
  if (process == nullptr) {
    return "an unknown program";
  }
  char path[MAX_PATH] = {};
  DWORD length = MAX_PATH;
  const bool known = QueryFullProcessImageNameA(process, 0, path, &length) != FALSE;
  CloseHandle(process);
  if (!known) {
    return "an unknown program";
  }
  const std::string full(path, length);
  return full.substr(DirectoryPart(full).size());
}

}  // namespace

void LogRegisterFound(HWND window, const std::string& title, bool hook_installed) {
  ProgramLog().Write("register", "found \"" + title + "\" of " + ProgramOfWindow(window));
  ProgramLog().Write(
      "register", hook_installed ? "hook installed" : "hook not installed: InstallAllHook failed");
}

void LogHotkeyRegistration(const std::string& hotkey, bool registered, unsigned long error) {
  ProgramLog().Write("hotkey", registered ? "registered " + hotkey
                                          : "refused " + hotkey + ": " + SystemErrorText(error));
}

void LogHotkeyFile(bool at_start, const HotkeyStore& store, std::size_t definitions) {
  const std::string file = " \"" + store.Path() + "\": ";
  const std::string count = std::to_string(definitions) + " definitions";
  if (at_start) {
    ProgramLog().Write("hotkeys", store.ReadFailed()
                                      ? "read failed" + file + count + " read completely"
                                      : "read" + file + count);
    if (store.CopiedAside()) {
      ProgramLog().Write("hotkeys", "copied aside to \"" + store.BackupPath() + "\"");
    }
  } else {
    ProgramLog().Write(
        "hotkeys", store.Saved() ? "saved" + file + count : "left as it was" + file + "not saved");
  }
}

void LogScreenDefinitionLoaded(const std::string& path, const std::string& summary) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ProgramLog().Write("sdf",
                       "missing: \"" + path + "\" is not there, every value takes its default");
  }
  ProgramLog().Write("sdf", "loaded " + summary);
}

void LogEndSession(bool ending, LPARAM reason) {
  if (!ending) {
    ProgramLog().Write("session", "end cancelled");
    return;
  }
  ProgramLog().Write("session", (reason & ENDSESSION_CLOSEAPP) != 0
                                    ? "installer close: Lumo is asked to end for an update"
                                    : "end: Windows logs off or shuts down");
  ProgramLog().Flush();
}

}  // namespace lumo
