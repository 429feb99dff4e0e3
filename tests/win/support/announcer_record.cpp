#include "support/announcer_record.h"

#include <algorithm>
#include <sstream>

#include "common/number_text.h"
#include "support/process.h"

namespace lumo::test {

namespace {

// The bytes a quoted record text stands for: "\xhh" is one byte, anything else itself.
std::string Unescape(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "\\x" && i + 3 < text.size()) {
      bytes.push_back(
          static_cast<char>(HexDigitValue(text[i + 2]) * 16 + HexDigitValue(text[i + 3])));
      i += 3;
    } else {
      bytes.push_back(text[i]);
    }
  }
  return bytes;
}

// "<ms> <name> <argument>...": numbers, "l,t,r,b" or null, and quoted texts (which never
// hold a '"'). The first text is the call's text, a second one DrawImage's copy.
AnnouncerCall ParseLine(std::string_view line, const std::string& dir) {
  AnnouncerCall call;
  int texts = 0;
  for (std::size_t at = 0, words = 0; at < line.size(); ++words) {
    const bool quoted = line[at] == '"';
    const std::size_t end = std::min(line.find(quoted ? '"' : ' ', at + 1), line.size());
    std::string word(line.substr(at + quoted, end - at - quoted));
    at = end + 1 + quoted;  // past the closing quote and the blank after the word
    if (words == 0) {
      call.Ms = std::stoll(word);
      continue;
    }
    if (quoted && texts++ > 0) {
      call.CopyPath = dir + Unescape(word);
      continue;
    }
    if (quoted) {
      call.Text = word = Unescape(word);
    } else if (words == 1) {
      call.Name = word;
    } else if (word != "null" && word.find(',') == std::string::npos) {
      call.Numbers.push_back(std::stoll(word));
    }
    call.Summary.append(words > 1 ? " " : "").append(word);
  }
  return call;
}

}  // namespace

std::vector<std::string> Summaries(const std::vector<AnnouncerCall>& calls) {
  std::vector<std::string> summaries;
  for (const AnnouncerCall& call : calls) {
    summaries.push_back(call.Summary);
  }
  return summaries;
}

std::vector<AnnouncerCall> AnnouncerRecord::Calls() const {
  std::vector<AnnouncerCall> calls;
  std::istringstream lines(ReadFile(path_));
  // A last line without its newline is still being written.
  for (std::string line; std::getline(lines, line) && !lines.eof();) {
    if (line.ends_with('\r')) {
      line.pop_back();
    }
    if (!line.empty()) {
      calls.push_back(ParseLine(line, path_.substr(0, path_.find_last_of("\\/") + 1)));
    }
  }
  return calls;
}

std::vector<AnnouncerCall> AnnouncerRecord::WaitForCalls(std::size_t count,
                                                         std::chrono::milliseconds timeout) const {
  std::vector<AnnouncerCall> calls;
  WaitUntil([&] { return (calls = Calls()).size() >= count; }, timeout);
  return calls;
}

int AnnouncerRecord::Count(const std::string& summary) const {
  return static_cast<int>(std::ranges::count(Summaries(Calls()), summary));
}

}  // namespace lumo::test
