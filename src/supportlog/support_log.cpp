#include "supportlog/support_log.h"

#include <cstdio>

namespace lumo {

namespace {

constexpr std::size_t kMaxPendingLines = 10000;

}  // namespace

std::string FormatLogLine(const LocalTime& time, std::string_view event, std::string_view details) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d ", time.Year, time.Month,
                time.Day, time.Hour, time.Minute, time.Second, time.Millisecond);
  std::string line = stamp;
  line += event;
  if (!details.empty()) {
    line += ' ';
  }
  for (std::size_t i = 0; i < details.size(); ++i) {
    const char c = details[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < details.size() && details[i + 1] == '\n') {
        ++i;
      }
      line += " | ";
    } else {
      line += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
  }
  line += "\r\n";
  return line;
}

SupportLog::SupportLog(LogStorage& storage, const LogClock& clock, const CodePage& code_page,
                       std::vector<std::string> paths, std::uint64_t limit)
    : storage_(storage),
      clock_(clock),
      code_page_(code_page),
      paths_(std::move(paths)),
      limit_(limit) {}

void SupportLog::Write(std::string_view event, std::string_view details) {
  if (next_path_ > paths_.size() || paths_.empty()) {
    return;
  }
  // A log nobody flushes must not eat the memory.
  if (pending_.size() >= kMaxPendingLines) {
    return;
  }
  try {
    pending_.push_back({clock_.Stamp(), std::string(event), std::string(details)});
  } catch (...) {
    // Out of memory: the line is lost, the program goes on.
  }
}

std::string SupportLog::Utf8(std::string_view ansi) const {
  try {
    return code_page_.AnsiToUtf8(ansi);
  } catch (...) {
    return std::string(ansi);
  }
}

void SupportLog::Flush() {
  // Cleared, not given away: the next Write finds the room ready.
  std::vector<Pending> lines;
  lines.swap(pending_);
  pending_.swap(spare_);
  for (const Pending& pending : lines) {
    if (!file_ && next_path_ > paths_.size()) {
      break;  // no log any more
    }
    std::string line;
    try {
      line = FormatLogLine(clock_.Local(pending.stamp), pending.event, Utf8(pending.details));
    } catch (...) {
      continue;
    }
    while (!AppendLine(line)) {
      file_.reset();
      path_.clear();
      if (!OpenNext()) {
        break;
      }
    }
  }
  lines.clear();
  spare_.swap(lines);
}

bool SupportLog::AppendLine(const std::string& line) {
  if (!file_) {
    return false;
  }
  // A file that holds more than its mark goes aside; one line alone never rolls. When it
  // cannot be renamed it is started anew, so the log stays bounded either way.
  if (size_ > kUtf8Bom.size() && size_ + line.size() > limit_) {
    const std::string current = path_;
    file_.reset();
    storage_.Replace(current, current + ".1");
    if (!StartFile(current, true)) {
      return false;
    }
  }
  if (!file_->Append(line)) {
    return false;
  }
  size_ += line.size();
  return true;
}

bool SupportLog::OpenNext() {
  while (next_path_ < paths_.size()) {
    if (StartFile(paths_[next_path_++], false)) {
      return true;
    }
  }
  // Every path failed: no more tries, and Write keeps nothing from now on.
  next_path_ = paths_.size() + 1;
  return false;
}

bool SupportLog::StartFile(const std::string& path, bool fresh) {
  try {
    file_ = storage_.Open(path, fresh);
  } catch (...) {
    file_.reset();
  }
  if (!file_) {
    return false;
  }
  size_ = file_->Size();
  if (size_ == 0) {
    if (!file_->Append(kUtf8Bom)) {
      file_.reset();
      return false;
    }
    size_ = kUtf8Bom.size();
  }
  path_ = path;
  return true;
}

}  // namespace lumo
