#pragma once
// A support log as Lumo.exe keeps one, whose file takes every byte and keeps none.
#include <chrono>
#include <ctime>
#include <memory>

#include "supportlog/support_log.h"

namespace lumo {

class NullLogStorage : public LogStorage {
  class File : public LogFile {
    std::uint64_t Size() const override { return 0; }
    bool Append(std::string_view) override { return true; }
  };

 public:
  std::unique_ptr<LogFile> Open(const std::string&, bool) override {
    return std::make_unique<File>();
  }
  bool Replace(const std::string&, const std::string&) override { return true; }
};

// The C library's local time: no cheaper than the system's GetLocalTime.
class BenchClock : public LogClock {
 public:
  LocalTime Now() const override {
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    std::tm t{};
    localtime_r(&seconds, &t);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    return {t.tm_year + 1900,
            t.tm_mon + 1,
            t.tm_mday,
            t.tm_hour,
            t.tm_min,
            t.tm_sec,
            static_cast<int>(ms.count() % 1000)};
  }
};

class BenchCodePage : public CodePage {
 public:
  std::string AnsiToUtf8(std::string_view ansi) const override { return std::string(ansi); }
  std::string Utf8ToAnsi(std::string_view utf8) const override { return std::string(utf8); }
  std::string Utf16ToAnsi(std::u16string_view) const override { return {}; }
};

inline SupportLog& BenchLog() {
  static NullLogStorage storage;
  static BenchClock clock;
  static BenchCodePage code_page;
  static SupportLog log(storage, clock, code_page, {"Lumo.log"});
  return log;
}

}  // namespace lumo
