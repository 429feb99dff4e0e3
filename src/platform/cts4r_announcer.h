#pragma once
#include "announcer/announcer.h"

namespace lumo {

// The announcer as the driver library cts4r.dll reaches it.
class Cts4rAnnouncer : public Announcer {
 public:
  std::int32_t Cls(std::int32_t mode) override;
  std::int32_t PrintText(std::int32_t first, std::int32_t line, const std::string& text) override;
  std::int32_t SoundOut(const std::string& text) override;
  std::int32_t DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                         const AnnouncerRect* rect) override;
};

}  // namespace lumo
