#include "inspect/file_text_checks.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

#include "common/ascii_case.h"

namespace lumo {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence that starts at bytes[at], 0 when none does.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  if (lead < 0x80) {
    return 1;
  }
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) {
    return 0;
  }
  for (std::size_t i = at + 1; i < at + length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) {
      return 0;
    }
  }
  return length;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool SavedAsUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    return true;
  }
  bool wide_character = false;
  for (std::size_t at = 0; at < bytes.size();) {
    const std::size_t length = Utf8SequenceLength(bytes, at);
    if (length == 0) {
      return false;
    }
    wide_character = wide_character || length >= 3;
    at += length;
  }
  return wide_character;
}

std::string Utf8Hint() {
  return "This file is saved as UTF-8, but Lumo reads it in the system's ANSI code page (GBK "
         "on a Chinese Windows):\nevery Chinese text comes out garbled, and the caption never "
         "matches the register's title.\nSave it as ANSI: in Notepad, File > Save As, Encoding "
         "\"ANSI\", then run --check again.\n";
}

std::string DuplicateSectionReport(std::string_view bytes) {
  struct Occurrences {
    std::string name;  // as first written
    std::vector<std::size_t> lines;
  };
  std::map<std::string, Occurrences> sections;
  std::vector<std::string> order;
  std::size_t number = 0;
  for (std::size_t start = 0; start < bytes.size();) {
    const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
    const std::string_view line = Trimmed(bytes.substr(start, end - start));
    start = end + 1;
    ++number;
    if (!line.starts_with('[')) {
      continue;
    }
    const std::string_view name = Trimmed(line.substr(1, line.find(']') - 1));
    Occurrences& found = sections[AsciiUpper(name)];
    if (found.lines.empty()) {
      found.name = name;
      order.push_back(AsciiUpper(name));
    }
    found.lines.push_back(number);
  }
  std::string out;
  for (const std::string& key : order) {
    const Occurrences& found = sections[key];
    if (found.lines.size() < 2) {
      continue;
    }
    out +=
        "[" + found.name + "] heads " + std::to_string(found.lines.size()) + " sections, at lines";
    for (std::size_t i = 0; i < found.lines.size(); ++i) {
      out += (i == 0                        ? " "
              : i + 1 == found.lines.size() ? " and "
                                            : ", ") +
             std::to_string(found.lines[i]);
    }
    out += ": Lumo reads only the first, at line " + std::to_string(found.lines.front()) +
           ";\n  what the others hold is never read. Move their entries into the first and "
           "delete the extra headers.\n";
  }
  return out;
}

}  // namespace lumo
