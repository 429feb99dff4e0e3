#pragma once
// The program's registry settings as a scenario arranges and inspects them.
#include <windows.h>

#include <optional>
#include <string>

namespace lumo::test {

inline constexpr char kMachineSettingsKey[] = "Software\\K&V\\Lumo";
inline constexpr char kUserSettingsKey[] = "Software\\Lumo";

void DeleteKey(HKEY root, const std::string& path);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
void SetString(HKEY root, const std::string& path, const std::string& name,
               const std::string& value);
// The value when it exists as a 32-bit integer.
std::optional<DWORD> GetDword(HKEY root, const std::string& path, const std::string& name);
bool ValueExists(HKEY root, const std::string& path, const std::string& name);

}  // namespace lumo::test
