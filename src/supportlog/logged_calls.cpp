#include "supportlog/logged_calls.h"

#include <cstdio>

#include "announcer/call_text.h"

namespace lumo {

std::int32_t LoggingAnnouncer::Logged(std::int32_t result, const std::string& call) {
  log_.Write("call", call + " = " + std::to_string(result) + (result == 0 ? " FAILED" : ""));
  return result;
}

std::int32_t LoggingAnnouncer::Cls(std::int32_t mode) {
  return Logged(driver_.Cls(mode), ClsCallText(mode));
}

std::int32_t LoggingAnnouncer::PrintText(std::int32_t first, std::int32_t line,
                                         const std::string& text) {
  return Logged(driver_.PrintText(first, line, text), PrintTextCallText(first, line, text));
}

std::int32_t LoggingAnnouncer::SoundOut(const std::string& text) {
  return Logged(driver_.SoundOut(text), SoundOutCallText(text));
}

std::int32_t LoggingAnnouncer::DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                                         const AnnouncerRect* rect) {
  return Logged(driver_.DrawImage(x, y, path, rect), DrawImageCallText(x, y, path, rect));
}

std::optional<std::string> LoggingWindowTexts::AnsweredText(WindowHandle window,
                                                            std::size_t buffer_size) {
  std::optional<std::string> text = texts_.AnsweredText(window, buffer_size);
  if (!text) {
    char handle[32];
    std::snprintf(handle, sizeof handle, "0x%llX", static_cast<unsigned long long>(window));
    log_.Write("timeout", std::string("window ") + handle +
                              " of the register did not answer WM_GETTEXT in time: it hangs");
  }
  return text;
}

}  // namespace lumo
