#pragma once
#include <cstdint>
#include <string>

namespace lumo {

struct AnnouncerRect {
  std::int32_t Left;
  std::int32_t Top;
  std::int32_t Right;
  std::int32_t Bottom;
};

// The four calls of the announcer's driver library. Texts and paths are ANSI bytes.
// Each returns the driver's result, which only the support log looks at: nothing that
// Lumo does depends on it.
class Announcer {
 public:
  virtual ~Announcer() = default;
  virtual std::int32_t Cls(std::int32_t mode) = 0;
  virtual std::int32_t PrintText(std::int32_t first, std::int32_t line,
                                 const std::string& text) = 0;
  virtual std::int32_t SoundOut(const std::string& text) = 0;
  // rect is null for a captured screen picture.
  virtual std::int32_t DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                                 const AnnouncerRect* rect) = 0;
};

}  // namespace lumo
