#include "app/settings_keys.h"

namespace lumo {

namespace {

// Integrators, the installer package and tills' existing settings use both key paths.
constexpr char kMachineSettingsKey[] = "Software\\K&V\\Lumo";
constexpr char kUserSettingsKey[] = "Software\\Lumo";

}  // namespace

std::optional<RegistryKey> OpenMachineSettings() {
  return RegistryKey::OpenForReading(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
}

std::optional<RegistryKey> OpenUserSettings() {
  return RegistryKey::CreateForWriting(HKEY_CURRENT_USER, kUserSettingsKey);
}

}  // namespace lumo
