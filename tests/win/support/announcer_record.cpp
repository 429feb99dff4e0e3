#include "support/announcer_record.h"

#include <windows.h>

#include <stdexcept>

#include "support/process.h"

namespace lumo::test {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

// Reads the tokens of one line in turn; any mismatch is a malformed line.
class LineReader {
 public:
  explicit LineReader(std::string_view line) : line_(line) {}

  std::int64_t Number() {
    Blank();
    std::size_t start = pos_;
    if (pos_ < line_.size() && line_[pos_] == '-')
      ++pos_;
    std::size_t digits = pos_;
    while (pos_ < line_.size() && line_[pos_] >= '0' && line_[pos_] <= '9')
      ++pos_;
    if (pos_ == digits)
      Fail();
    return std::stoll(std::string(line_.substr(start, pos_ - start)));
  }

  std::string Word() {
    Blank();
    std::size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ')
      ++pos_;
    if (pos_ == start)
      Fail();
    return std::string(line_.substr(start, pos_ - start));
  }

  std::string Quoted() {
    Blank();
    if (pos_ >= line_.size() || line_[pos_] != '"')
      Fail();
    std::size_t close = line_.find('"', pos_ + 1);
    if (close == std::string_view::npos)
      Fail();
    std::string text = DecodeRecordText(line_.substr(pos_ + 1, close - pos_ - 1));
    pos_ = close + 1;
    return text;
  }

  void End() {
    if (pos_ != line_.size())
      Fail();
  }

  [[noreturn]] void Fail() const {
    throw std::runtime_error("malformed announcer record line: " + std::string(line_));
  }

 private:
  void Blank() {
    if (pos_ >= line_.size() || line_[pos_] != ' ') {
      if (pos_ != 0)
        Fail();
      return;
    }
    ++pos_;
  }

  std::string_view line_;
  std::size_t pos_ = 0;
};

AnnouncerCall ParseLine(std::string_view line) {
  LineReader reader(line);
  AnnouncerCall call;
  call.Ms = reader.Number();
  call.Name = reader.Word();
  if (call.Name == "Cls") {
    call.Numbers.push_back(reader.Number());
  } else if (call.Name == "PrintText") {
    call.Numbers.push_back(reader.Number());
    call.Numbers.push_back(reader.Number());
    call.Text = reader.Quoted();
  } else if (call.Name == "SoundOut") {
    call.Text = reader.Quoted();
  } else if (call.Name == "DrawImage") {
    call.Numbers.push_back(reader.Number());
    call.Numbers.push_back(reader.Number());
    call.Text = reader.Quoted();
    std::string area = reader.Word();
    if (area != "null") {
      call.HasRect = true;
      std::size_t pos = 0;
      for (int i = 0; i < 4; ++i) {
        std::size_t used = 0;
        std::string rest = area.substr(pos);
        try {
          call.Rect[i] = std::stoi(rest, &used);
        } catch (const std::exception&) {
          reader.Fail();
        }
        pos += used;
        if (i < 3) {
          if (pos >= area.size() || area[pos] != ',')
            reader.Fail();
          ++pos;
        }
      }
      if (pos != area.size())
        reader.Fail();
    }
    call.CopyName = reader.Quoted();
  } else {
    reader.Fail();
  }
  reader.End();
  return call;
}

}  // namespace

std::string DecodeRecordText(std::string_view escaped) {
  std::string bytes;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x' &&
        HexValue(escaped[i + 2]) >= 0 && HexValue(escaped[i + 3]) >= 0) {
      bytes.push_back(static_cast<char>(HexValue(escaped[i + 2]) * 16 + HexValue(escaped[i + 3])));
      i += 3;
    } else {
      bytes.push_back(escaped[i]);
    }
  }
  return bytes;
}

std::vector<AnnouncerCall> ParseAnnouncerRecord(std::string_view content) {
  std::vector<AnnouncerCall> calls;
  std::size_t start = 0;
  for (std::size_t end = content.find('\n'); end != std::string_view::npos;
       end = content.find('\n', start)) {
    std::string_view line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    if (!line.empty())
      calls.push_back(ParseLine(line));
    start = end + 1;
  }
  return calls;
}

std::string Summary(const AnnouncerCall& call) {
  // Built by appending: GCC 12 warns wrongly about " " + std::string.
  std::string text = call.Name;
  for (std::int64_t number : call.Numbers)
    text.append(1, ' ').append(std::to_string(number));
  if (call.Name != "Cls")
    text.append(1, ' ').append(call.Text);
  if (call.Name == "DrawImage") {
    text.append(1, ' ');
    if (!call.HasRect) {
      text.append("null");
    }
    for (int i = 0; call.HasRect && i < 4; ++i) {
      text.append(i ? "," : "").append(std::to_string(call.Rect[i]));
    }
  }
  return text;
}

std::vector<std::string> Summaries(const std::vector<AnnouncerCall>& calls) {
  std::vector<std::string> summaries;
  for (const AnnouncerCall& call : calls)
    summaries.push_back(Summary(call));
  return summaries;
}

std::vector<AnnouncerCall> AnnouncerRecord::Calls() const {
  return ParseAnnouncerRecord(ReadFile(path_));
}

std::vector<AnnouncerCall> AnnouncerRecord::WaitForCalls(std::size_t count,
                                                         std::chrono::milliseconds timeout) const {
  std::vector<AnnouncerCall> calls;
  WaitUntil(
      [&] {
        calls = Calls();
        return calls.size() >= count;
      },
      timeout);
  return calls;
}

std::string AnnouncerRecord::CopyPath(const AnnouncerCall& call) const {
  return path_.substr(0, path_.find_last_of("\\/") + 1) + call.CopyName;
}

void AnnouncerRecord::Clear() const {
  DeleteFileA(path_.c_str());
}

}  // namespace lumo::test
