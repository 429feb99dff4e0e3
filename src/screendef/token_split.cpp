#include "screendef/token_split.h"

#include "common/dbcs.h"

namespace lumo {

namespace {

bool IsBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

std::size_t SkipBlanks(std::string_view value, std::size_t pos) {
  while (pos < value.size() && IsBlank(value[pos])) {
    ++pos;
  }
  return pos;
}

// Reads the quoted token whose opening mark is at pos; returns the position after it.
std::size_t ReadQuoted(std::string_view value, std::size_t pos, std::string& token) {
  ++pos;
  while (pos < value.size()) {
    if (value[pos] == '"') {
      if (pos + 1 < value.size() && value[pos + 1] == '"') {
        token += '"';
        pos += 2;
        continue;
      }
      return pos + 1;
    }
    const std::size_t length = CharLengthAt(value, pos);
    token.append(value.substr(pos, length));
    pos += length;
  }
  return pos;
}

}  // namespace

std::vector<std::string> SplitTokens(std::string_view value, char separator) {
  // A NUL cannot come from the profile reader; it would otherwise stop the splitting
  // without ending the value.
  value = value.substr(0, value.find('\0'));

  std::vector<std::string> tokens;
  std::size_t pos = SkipBlanks(value, 0);
  while (pos < value.size()) {
    std::string token;
    if (value[pos] == '"') {
      pos = ReadQuoted(value, pos, token);
    } else {
      const std::size_t start = pos;
      while (pos < value.size() && !IsBlank(value[pos]) && value[pos] != separator) {
        pos += CharLengthAt(value, pos);
      }
      token.assign(value.substr(start, pos - start));
    }
    tokens.push_back(std::move(token));
    pos = SkipBlanks(value, pos);
    if (pos < value.size() && value[pos] == separator) {
      if (pos + 1 == value.size()) {
        tokens.emplace_back();
      }
      pos = SkipBlanks(value, pos + 1);
    }
  }
  return tokens;
}

}  // namespace lumo
