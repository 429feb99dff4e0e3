#pragma once
// 32-bit integer values in the registry, with the error texts the user sees.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace lumo {

class RegistryKey {
 public:
  // The key for reading values, or nothing when it is missing or cannot be opened so. Only
  // the rights used are asked for: a standard user, or an administrator under UAC, may
  // read a key of the machine but not change it.
  static std::optional<RegistryKey> OpenForReading(HKEY root, const std::string& path);
  // The key for writing values, created when it is missing; nothing when that fails.
  static std::optional<RegistryKey> CreateForWriting(HKEY root, const std::string& path);

  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  // Throws RegistryError "Failed to get data for '<name>'" when the value is missing or not
  // readable into 32 bits, "Invalid data type for '<name>'" when it is of another type.
  std::int32_t ReadInt32(const std::string& name) const;
  bool WriteInt32(const std::string& name, std::int32_t value);

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  HKEY key_ = nullptr;
};

}  // namespace lumo
