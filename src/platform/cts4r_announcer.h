#pragma once
#include "announcer/announcer.h"

namespace lumo {

// The announcer as the driver library cts4r.dll reaches it.
class Cts4rAnnouncer : public Announcer {
 public:
  void Cls(std::int32_t mode) override;
  void PrintText(std::int32_t first, std::int32_t line, const std::string& text) override;
  void SoundOut(const std::string& text) override;
  void DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                 const AnnouncerRect* rect) override;
};

}  // namespace lumo
