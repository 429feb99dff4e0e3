#include "support/settings_registry.h"

namespace lumo::test {

void DeleteKey(HKEY root, const std::string& path) {
  RegDeleteTreeA(root, path.c_str());
}

void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
  RegSetKeyValueA(root, path.c_str(), name.c_str(), REG_DWORD, &value, sizeof value);
}

void SetString(HKEY root, const std::string& path, const std::string& name,
               const std::string& value) {
  RegSetKeyValueA(root, path.c_str(), name.c_str(), REG_SZ, value.c_str(),
                  static_cast<DWORD>(value.size() + 1));
}

std::optional<DWORD> GetDword(HKEY root, const std::string& path, const std::string& name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  DWORD type = 0;
  if (RegGetValueA(root, path.c_str(), name.c_str(), RRF_RT_ANY, &type, &value, &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD) {
    return std::nullopt;
  }
  return value;
}

bool ValueExists(HKEY root, const std::string& path, const std::string& name) {
  return RegGetValueA(root, path.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

}  // namespace lumo::test
