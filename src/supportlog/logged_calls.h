#pragma once
// What a command run does, for the support log: each announcer call with its arguments and
// result, and each read of the register that was not answered in time. Both wrap the real
// thing and change nothing of what it does.
#include "announcer/announcer.h"
#include "announcer/window_texts.h"
#include "supportlog/support_log.h"

namespace lumo {

// "call SoundOut("12.50") = 1"; a result of 0 is the driver's failure and is marked "FAILED".
class LoggingAnnouncer : public Announcer {
 public:
  LoggingAnnouncer(Announcer& driver, SupportLog& log) : driver_(driver), log_(log) {}

  std::int32_t Cls(std::int32_t mode) override;
  std::int32_t PrintText(std::int32_t first, std::int32_t line, const std::string& text) override;
  std::int32_t SoundOut(const std::string& text) override;
  std::int32_t DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                         const AnnouncerRect* rect) override;

 private:
  std::int32_t Logged(std::int32_t result, const std::string& call);

  Announcer& driver_;
  SupportLog& log_;
};

// "timeout register window 0x1234 did not answer WM_GETTEXT in time" per unanswered read.
class LoggingWindowTexts : public ForwardingWindowTexts {
 public:
  LoggingWindowTexts(WindowTexts& texts, SupportLog& log)
      : ForwardingWindowTexts(texts), log_(log) {}
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) override;

 private:
  SupportLog& log_;
};

}  // namespace lumo
