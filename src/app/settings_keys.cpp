#include "app/settings_keys.h"

namespace lumo {

namespace {

constexpr char kMachineKey[] = "Software\\K&V\\Lumo";
constexpr char kUserKey[] = "Software\\Lumo";

}  // namespace

std::optional<RegistryKey> OpenMachineSettings() {
  return RegistryKey::OpenForReading(HKEY_LOCAL_MACHINE, kMachineKey);
}

std::optional<RegistryKey> OpenUserSettings() {
  return RegistryKey::CreateForWriting(HKEY_CURRENT_USER, kUserKey);
}

}  // namespace lumo
