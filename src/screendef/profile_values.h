#pragma once
#include <cstdint>
#include <string>

#include "screendef/profile_reader.h"

namespace lumo {

// Typed values of a profile file. None of them fails: a missing file, section or key, and a
// text that is no number where a number is wanted, give the default.

std::string ReadString(const ProfileReader& file, const std::string& section,
                       const std::string& key, const std::string& default_value);

// The integer form of TextToInt32. A key present with an empty value gives the default too.
std::int32_t ReadInteger(const ProfileReader& file, const std::string& section,
                         const std::string& key, std::int32_t default_value);

// Any non-zero integer is true; a word such as True is no number and gives the default.
bool ReadBool(const ProfileReader& file, const std::string& section, const std::string& key,
              bool default_value);

}  // namespace lumo
