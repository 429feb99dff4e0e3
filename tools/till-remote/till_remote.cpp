// The demo's hands at the till, one command a run:
//   till-remote hotkey-file <path> <combination> <description> <command>
//       writes a hotkey file with one active definition running <command>, through the
//       program's own encoder
//   till-remote set <id> <text> [<id> <text> ...]
//       sets control texts of the register stand-in (register_sim_protocol.h; 0 = title)
//   till-remote press <combination>
//       presses a key combination through the system's input queue
//   till-remote close
//       closes the register stand-in's window and waits until it is gone
// A combination is written as the hotkey editor shows it, "Ctrl+Alt+F7". Texts are taken
// as ANSI bytes. Exit code 0 on success, 1 with a message otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editors/hotkey_text.h"
#include "hotkeys/hotkey_file.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "register-sim/register_sim_protocol.h"
#include "till-remote/key_press.h"

namespace {

using Arguments = std::vector<std::string>;

int Fail(const std::string& message) {
  std::fprintf(stderr, "till-remote: %s\n", message.c_str());
  return 1;
}

HWND RegisterWindow() {
  return FindWindowA(register_sim::kWindowClass, nullptr);
}

int WriteHotkeyFile(const Arguments& args) {
  if (args.size() != 4) {
    return Fail("hotkey-file needs <path> <combination> <description> <command>");
  }
  auto definition = std::make_shared<lumo::HotkeyDefinition>();
  definition->Key = lumo::KeyNameIndex(lumo::HotkeyKeyName(args[1]));
  if (definition->Key < 0) {
    return Fail("no key in " + args[1]);
  }
  const lumo::ModifierSet modifiers = lumo::HotkeyTextToModifiers(args[1]);
  definition->Ctrl = (modifiers & lumo::kModifierCtrl) != 0;
  definition->Alt = (modifiers & lumo::kModifierAlt) != 0;
  definition->Shift = (modifiers & lumo::kModifierShift) != 0;
  definition->Win = (modifiers & lumo::kModifierWin) != 0;
  definition->Description = args[2];
  definition->Action = lumo::kActionRunCommand;
  definition->Parameter = args[3];
  definition->Active = true;
  lumo::WinFileSystem files;
  lumo::WinCodePage code_page;
  lumo::SaveHotkeys({definition}, files, code_page, args[0]);
  return 0;
}

int SetTexts(const Arguments& args) {
  HWND window = RegisterWindow();
  if (window == nullptr || args.empty() || args.size() % 2 != 0) {
    return Fail(window == nullptr ? "no register window" : "set needs <id> <text> pairs");
  }
  for (std::size_t i = 0; i < args.size(); i += 2) {
    COPYDATASTRUCT data{};
    data.dwData = static_cast<ULONG_PTR>(std::atoi(args[i].c_str()));
    data.cbData = static_cast<DWORD>(args[i + 1].size());
    data.lpData = const_cast<char*>(args[i + 1].data());
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                             SMTO_ABORTIFHUNG, 5000, &result) ||
        result != TRUE) {
      return Fail("the register has no control " + args[i]);
    }
  }
  return 0;
}

int Press(const Arguments& args) {
  const WORD key =
      args.size() == 1 ? static_cast<WORD>(lumo::VirtualKeyOf(lumo::HotkeyTextToKey(args[0]))) : 0;
  if (key == 0) {
    return Fail("press needs a combination with a key");
  }
  lumo::PressCombination(lumo::ModifierFlags(lumo::HotkeyTextToModifiers(args[0])), key);
  return 0;
}

int Close() {
  HWND window = RegisterWindow();
  if (window == nullptr) {
    return Fail("no register window");
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  for (int waited = 0; IsWindow(window); waited += 50) {
    if (waited >= 5000) {
      return Fail("the register window did not close");
    }
    Sleep(50);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const Arguments args(argv + (argc > 1 ? 2 : 1), argv + argc);
  try {
    if (command == "hotkey-file") {
      return WriteHotkeyFile(args);
    }
    if (command == "set") {
      return SetTexts(args);
    }
    if (command == "press") {
      return Press(args);
    }
    if (command == "close" && args.empty()) {
      return Close();
    }
  } catch (const std::exception& error) {
    return Fail(error.what());
  }
  return Fail(
      "usage: hotkey-file <path> <combination> <description> <command> | "
      "set <id> <text>... | press <combination> | close");
}
