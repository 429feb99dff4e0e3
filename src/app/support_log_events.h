#pragma once
// The support log's lines that need the system's words: whose window the register is, why
// a hotkey was refused, how the session ends.
#include <windows.h>

#include <cstddef>
#include <string>

#include "hotkeys/hotkey_store.h"

namespace lumo {

// "found \"收银台 - 演示\" of register.exe", then whether the hook library attached.
void LogRegisterFound(HWND window, const std::string& title, bool hook_installed);
void LogHotkeyRegistration(const std::string& hotkey, bool registered, unsigned long error);
// At start-up the file read (or not completely) and a copy kept aside; at close whether
// it was saved. With the file and its number of definitions.
void LogHotkeyFile(bool at_start, const HotkeyStore& store, std::size_t definitions);
// Lumo.sdf loaded; a file that is not there loads too, all defaults, and is named so.
void LogScreenDefinitionLoaded(const std::string& path, const std::string& summary);
// WM_ENDSESSION: the session ends, or an installer closes Lumo to replace its files.
void LogEndSession(bool ending, LPARAM reason);

}  // namespace lumo
