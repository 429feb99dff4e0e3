#pragma once
// Lumo.log: what Lumo saw and sent, one line per event, for support people reading it at a
// till. Lines are kept in memory when written and go to the file on Flush, so that the
// paths that must be fast never wait for a disk. The log never throws and never stops the
// program: a file that cannot be opened or written moves the log to the next path, once,
// and after the last one there is no log.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/code_page.h"

namespace lumo {

struct LocalTime {
  int Year, Month, Day, Hour, Minute, Second, Millisecond;
};

// Reading the time is cheap and happens when the event does; turning it into the local
// date and time happens on Flush, off the fast paths.
class LogClock {
 public:
  virtual ~LogClock() = default;
  // Any count that Local understands.
  virtual std::uint64_t Stamp() const = 0;
  virtual LocalTime Local(std::uint64_t stamp) const = 0;
};

// A log file opened for appending.
class LogFile {
 public:
  virtual ~LogFile() = default;
  // Its size when it was opened.
  virtual std::uint64_t Size() const = 0;
  // False when not all bytes were written.
  virtual bool Append(std::string_view bytes) = 0;
};

class LogStorage {
 public:
  virtual ~LogStorage() = default;
  // The file at path opened for appending, created with its folder when missing; null when
  // that fails. fresh empties it first.
  virtual std::unique_ptr<LogFile> Open(const std::string& path, bool fresh) = 0;
  // Renames from to to, replacing to; false on failure.
  virtual bool Replace(const std::string& from, const std::string& to) = 0;
};

inline constexpr std::uint64_t kLogLimitBytes = 1024 * 1024;
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// "2026-12-08 14:05:03.127 event details" with CR LF; details are UTF-8, a line break in
// them becomes " | " and any other control character a blank, so an event stays one line.
std::string FormatLogLine(const LocalTime& time, std::string_view event, std::string_view details);

class SupportLog {
 public:
  // paths: where to write, in the order they are tried (beside the program, then the
  // fallback). No paths: a log that keeps nothing.
  SupportLog(LogStorage& storage, const LogClock& clock, const CodePage& code_page,
             std::vector<std::string> paths, std::uint64_t limit = kLogLimitBytes);
  SupportLog(const SupportLog&) = delete;
  SupportLog& operator=(const SupportLog&) = delete;

  // Notes the event now; details are ANSI bytes, converted on Flush.
  void Write(std::string_view event, std::string_view details);
  // The noted lines to the file. At the limit the file becomes "<path>.1" (an older one
  // goes) and a new one starts.
  void Flush();
  // The file written to; empty before the first flush and when there is no log.
  const std::string& Path() const { return path_; }

 private:
  struct Pending {
    std::uint64_t stamp;
    std::string event;
    std::string details;
  };
  bool OpenNext();
  bool StartFile(const std::string& path, bool fresh);
  bool AppendLine(const std::string& line);
  std::string Utf8(std::string_view ansi) const;

  LogStorage& storage_;
  const LogClock& clock_;
  const CodePage& code_page_;
  const std::vector<std::string> paths_;
  const std::uint64_t limit_;
  std::size_t next_path_ = 0;
  std::string path_;
  std::unique_ptr<LogFile> file_;
  std::uint64_t size_ = 0;
  std::vector<Pending> pending_;
  std::vector<Pending> spare_;  // the other buffer, empty, with its room kept
};

}  // namespace lumo
