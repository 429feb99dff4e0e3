#pragma once
// Errors that end the event being handled and reach the application's error box.
// what() is the text the user sees.
#include <stdexcept>
#include <string>

namespace lumo {

class LumoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A reference or number in a command text that is no integer.
class ConversionError : public LumoError {
 public:
  explicit ConversionError(const std::string& text)
      : LumoError("'" + text + "' is not a valid integer value") {}
};

// Opening, reading, creating or writing a file failed.
class FileError : public LumoError {
 public:
  using LumoError::LumoError;
};

// A registry value that is missing or of the wrong type.
class RegistryError : public LumoError {
 public:
  using LumoError::LumoError;
};

}  // namespace lumo
