#include "platform/registry_key.h"

#include <utility>

#include "common/errors.h"

namespace lumo {

std::optional<RegistryKey> RegistryKey::OpenForReading(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::CreateForWriting(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey(key);
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
  if (this != &other) {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
    key_ = std::exchange(other.key_, nullptr);
  }
  return *this;
}

RegistryKey::~RegistryKey() {
  if (key_ != nullptr) {
    RegCloseKey(key_);
  }
}

std::int32_t RegistryKey::ReadInt32(const std::string& name) const {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    throw RegistryError("Failed to get data for '" + name + "'");
  }
  if (type != REG_DWORD) {
    throw RegistryError("Invalid data type for '" + name + "'");
  }
  DWORD value = 0;
  size = sizeof value;
  if (RegQueryValueExA(key_, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                       &size) != ERROR_SUCCESS ||
      size != sizeof value) {
    throw RegistryError("Failed to get data for '" + name + "'");
  }
  return static_cast<std::int32_t>(value);
}

bool RegistryKey::WriteInt32(const std::string& name, std::int32_t value) {
  const DWORD data = static_cast<DWORD>(value);
  return RegSetValueExA(key_, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

}  // namespace lumo
