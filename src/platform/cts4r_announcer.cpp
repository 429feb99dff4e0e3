#include "platform/cts4r_announcer.h"

#include "platform/cts4r_api.h"

namespace lumo {

static_assert(sizeof(AnnouncerRect) == 4 * sizeof(std::int32_t),
              "the driver reads the rectangle as four 32-bit integers");

std::int32_t Cts4rAnnouncer::Cls(std::int32_t mode) {
  return ::Cls(mode);
}

std::int32_t Cts4rAnnouncer::PrintText(std::int32_t first, std::int32_t line,
                                       const std::string& text) {
  return ::PrintText(first, line, text.c_str());
}

std::int32_t Cts4rAnnouncer::SoundOut(const std::string& text) {
  return ::SoundOut(text.c_str());
}

std::int32_t Cts4rAnnouncer::DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                                       const AnnouncerRect* rect) {
  return ::DrawImage(x, y, path.c_str(), reinterpret_cast<const std::int32_t*>(rect));
}

}  // namespace lumo

// Named by the program's link so that it imports cts4r.dll whatever it calls yet.
extern "C" {
extern const int lumo_cts4r_binding;
const int lumo_cts4r_binding = 1;
}
