#include "screendef/action_list.h"

#include <string>
#include <vector>

#include "common/ascii_case.h"
#include "screendef/token_split.h"

namespace lumo {

namespace {

// prefix is upper-case ASCII; only ASCII letters of token are folded.
bool HasPrefix(std::string_view token, std::string_view prefix) {
  if (token.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiUpper(token[i]) != prefix[i]) {
      return false;
    }
  }
  return true;
}

ActionList ActionFromToken(const std::string& token) {
  constexpr std::string_view kDisplay = "DISPLAY=";
  constexpr std::string_view kSpeak = "SPEAK=";
  if (HasPrefix(token, kDisplay)) {
    return std::make_unique<CommandAction>(kDisplayAction, token.substr(kDisplay.size()));
  }
  if (HasPrefix(token, kSpeak)) {
    return std::make_unique<CommandAction>(kSpeakAction, token.substr(kSpeak.size()));
  }
  // Kept in its place so that the list matches the value token for token.
  return std::make_unique<CommandAction>(kDisplayAction, std::string());
}

}  // namespace

ActionList ParseActionList(std::string_view value) {
  ActionList first;
  ActionList* tail = &first;
  for (const std::string& token : SplitTokens(value, '&')) {
    *tail = ActionFromToken(token);
    tail = &(*tail)->Next;
  }
  return first;
}

}  // namespace lumo
