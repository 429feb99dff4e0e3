#include "announcer/command_expansion.h"

#include <algorithm>

#include "common/dbcs.h"
#include "common/errors.h"
#include "common/number_text.h"

namespace lumo {

namespace {

constexpr auto npos = std::string_view::npos;

std::int32_t ReferenceNumber(std::string_view text) {
  std::optional<std::int32_t> value = TextToInt32(text);
  if (!value) {
    throw ConversionError(std::string(text));
  }
  return *value;
}

// The text strictly between an opening marker at open (of open_length bytes) and a
// closing marker at close; empty when the two markers overlap, as in "<%>".
std::string_view Between(std::string_view text, std::size_t open, std::size_t open_length,
                         std::size_t close) {
  if (close < open + open_length) {
    return {};
  }
  return text.substr(open + open_length, close - open - open_length);
}

// A pair of markers starts a reference only when both exist and the opening one comes
// first: "a%>b<%7%>" holds none.
bool StartsReference(std::size_t open, std::size_t close) {
  return open != npos && close != npos && open < close;
}

std::string CutAt(std::string text, std::size_t buffer_size) {
  // Whatever the adapter returns, never more than the buffer could have held.
  std::size_t nul = text.find('\0');
  text.resize(std::min({text.size(), nul, buffer_size - 1}));
  return text;
}

}  // namespace

std::string ReadControlText(WindowTexts& texts, WindowHandle handle) {
  if (handle == 0) {
    return {};
  }
  return CutAt(texts.Text(handle, kControlTextBuffer), kControlTextBuffer);
}

std::string ReadChildWindowText(WindowTexts& texts, WindowHandle parent, std::int32_t n) {
  if (parent == 0) {
    return {};
  }
  WindowHandle child = texts.NthDescendant(parent, n);
  if (child == 0) {
    return {};
  }
  return CutAt(texts.Text(child, kChildTextBuffer), kChildTextBuffer);
}

std::string ExpandActionText(const CommandContext& context, std::string_view text) {
  std::size_t open = text.find("<%");
  std::size_t close = text.find("%>");
  if (!StartsReference(open, close)) {
    return ExpandBlanks(text);
  }
  std::string result;
  std::string_view rest = text;
  while (StartsReference(open, close)) {
    std::int32_t id = ReferenceNumber(Between(rest, open, 2, close));
    std::string control_text;
    if (context.MonitoredWindow != 0) {
      WindowHandle control = context.Texts.DialogItem(context.MonitoredWindow, id);
      control_text = ReadControlText(context.Texts, control);
    }
    result.append(rest.substr(0, open)).append(control_text);
    rest.remove_prefix(close + 2);
    open = rest.find("<%");
    close = rest.find("%>");
  }
  result.append(rest);
  return ExpandBlanks(result);
}

std::string ExpandBlanks(std::string_view text) {
  std::size_t open = text.find('{');
  std::size_t close = text.find('}');
  if (!StartsReference(open, close)) {
    return std::string(text);
  }
  std::string result;
  std::string_view rest = text;
  while (StartsReference(open, close)) {
    std::int32_t count = ReferenceNumber(Between(rest, open, 1, close));
    count = std::clamp(count, 0, kMaxBlankRun);
    result.append(rest.substr(0, open)).append(static_cast<std::size_t>(count), ' ');
    rest.remove_prefix(close + 1);
    open = rest.find('{');
    close = rest.find('}');
  }
  result.append(rest);
  return result;
}

std::string ExpandHotkeyLine(const CommandContext& context, std::string_view line) {
  std::size_t equals = line.find('=');
  std::string_view value = equals == npos ? line : line.substr(equals + 1);
  std::size_t percent = value.find('%');
  if (percent == npos || percent + 1 >= value.size()) {
    return std::string(value);
  }
  std::size_t after = percent + 1;
  while (after < value.size() && value[after] >= '0' && value[after] <= '9') {
    ++after;
  }
  std::string_view digits = value.substr(percent + 1, after - percent - 1);
  std::string child_text = " ";
  if (context.MonitoredWindow != 0) {
    std::int32_t n = ReferenceNumber(digits);
    child_text = ReadChildWindowText(context.Texts, context.MonitoredWindow, n);
  }
  std::string result(value.substr(0, percent));
  result.append(child_text).append(value.substr(after));
  return result;
}

std::string ExtractSpeechText(std::string_view text) {
  auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  auto in_number = [&](char c) { return is_digit(c) || c == '.'; };
  // A comma after a digit of the whole part and before exactly three digits groups digits
  // ("1,234.50"): it is left out rather than ending the number.
  auto groups_digits = [&](std::size_t at, bool whole_part) {
    return whole_part && text[at] == ',' && at > 0 && is_digit(text[at - 1]) &&
           at + 3 < text.size() && is_digit(text[at + 1]) && is_digit(text[at + 2]) &&
           is_digit(text[at + 3]) && (at + 4 == text.size() || !is_digit(text[at + 4]));
  };
  std::size_t begin = 0;
  while (begin < text.size() && !in_number(text[begin])) {
    ++begin;
  }
  std::string result;
  bool whole_part = true;
  std::size_t end = begin;
  for (; end < text.size(); ++end) {
    if (groups_digits(end, whole_part)) {
      continue;
    }
    if (!in_number(text[end])) {
      break;
    }
    whole_part = whole_part && text[end] != '.';
    result.push_back(text[end]);
  }
  result.append(text.substr(StartOfLastChars(text, 2)));
  return result;
}

}  // namespace lumo
