#pragma once
// The program's two settings keys: the machine's, read at start, and the user's, written
// at close. Start-up never reads the user's.
#include <windows.h>

#include <optional>

#include "platform/registry_key.h"

namespace lumo {

// The values' names, which integrators, the installer package and tills' existing settings
// use: the port (0 to 9 for COM1 to COM10), automatic monitoring, the port can be chosen.
inline constexpr char kPortValue[] = "Comport";
inline constexpr char kAutoStartValue[] = "AutoStart";
inline constexpr char kUsePortValue[] = "UseComport";

// HKEY_LOCAL_MACHINE "Software\K&V\Lumo", for reading only: an integrator's values must
// reach a program that runs without elevation.
std::optional<RegistryKey> OpenMachineSettings();
// HKEY_CURRENT_USER "Software\Lumo", created when missing.
std::optional<RegistryKey> OpenUserSettings();

}  // namespace lumo
