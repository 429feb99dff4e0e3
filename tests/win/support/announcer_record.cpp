#include "support/announcer_record.h"

#include <regex>
#include <stdexcept>

#include "common/number_text.h"
#include "support/process.h"

namespace lumo::test {

namespace {

// The bytes an escaped record text stands for.
std::string DecodeRecordText(std::string_view escaped) {
  std::string bytes;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] == '\\' && i + 3 < escaped.size() && escaped[i + 1] == 'x' &&
        HexDigitValue(escaped[i + 2]) >= 0 && HexDigitValue(escaped[i + 3]) >= 0) {
      bytes.push_back(
          static_cast<char>(HexDigitValue(escaped[i + 2]) * 16 + HexDigitValue(escaped[i + 3])));
      i += 3;
    } else {
      bytes.push_back(escaped[i]);
    }
  }
  return bytes;
}

// One call a line: its time, its name and the arguments of that name; record texts are
// quoted with every '"' escaped, so a quoted text never holds one.
const std::regex kLine(
    R"re((-?\d+) (?:(Cls) (-?\d+)|(PrintText) (-?\d+) (-?\d+) "([^"]*)"|(SoundOut) "([^"]*)")re"
    R"re(|(DrawImage) (-?\d+) (-?\d+) "([^"]*)" (?:null|(-?\d+),(-?\d+),(-?\d+),(-?\d+)) "([^"]*)"))re");

AnnouncerCall ParseLine(const std::string& line) {
  std::smatch m;
  if (!std::regex_match(line, m, kLine)) {
    throw std::runtime_error("malformed announcer record line: " + line);
  }
  AnnouncerCall call;
  call.Ms = std::stoll(m[1]);
  // The alternatives in order: name group, its number groups, its text group.
  struct Form {
    int name, first_number, numbers, text;
  };
  for (const Form form :
       {Form{2, 3, 1, 0}, Form{4, 5, 2, 7}, Form{8, 0, 0, 9}, Form{10, 11, 2, 13}}) {
    if (!m[form.name].matched)
      continue;
    call.Name = m[form.name];
    for (int i = 0; i < form.numbers; ++i)
      call.Numbers.push_back(std::stoll(m[form.first_number + i]));
    if (form.text)
      call.Text = DecodeRecordText(m[form.text].str());
  }
  if (m[14].matched) {
    call.HasRect = true;
    for (int i = 0; i < 4; ++i)
      call.Rect[i] = std::stoi(m[14 + i]);
  }
  call.CopyName = DecodeRecordText(m[18].str());
  return call;
}

}  // namespace

std::vector<AnnouncerCall> ParseAnnouncerRecord(std::string_view content) {
  std::vector<AnnouncerCall> calls;
  std::size_t start = 0;
  for (std::size_t end = content.find('\n'); end != std::string_view::npos;
       end = content.find('\n', start)) {
    std::string_view line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    if (!line.empty())
      calls.push_back(ParseLine(std::string(line)));
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

}  // namespace lumo::test
