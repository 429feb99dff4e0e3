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

// The C library's clock and local time, as the system's are read in Lumo.exe.
class BenchClock : public LogClock {
 public:
  std::uint64_t Stamp() const override {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::system_clock::now().time_since_epoch())
                                          .count());
  }
  LocalTime Local(std::uint64_t stamp) const override {
    const auto seconds = static_cast<std::time_t>(stamp / 1000);
    std::tm t{};
    localtime_r(&seconds, &t);
    return {t.tm_year + 1900,
            t.tm_mon + 1,
            t.tm_mday,
            t.tm_hour,
            t.tm_min,
            t.tm_sec,
            static_cast<int>(stamp % 1000)};
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
