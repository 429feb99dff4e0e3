#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace lumo {

inline constexpr std::uint8_t kDisplayAction = 0;  // Text goes to the announcer's display
inline constexpr std::uint8_t kSpeakAction = 1;    // Text is spoken

// One entry of an announcer action list. A list is held by its first entry; the empty list
// is a null pointer. Each entry owns the rest of the list through Next.
struct CommandAction {
  std::uint8_t Kind = kDisplayAction;
  std::string Text;  // ANSI bytes, an announcer command text
  std::unique_ptr<CommandAction> Next;

  CommandAction() = default;
  CommandAction(std::uint8_t kind, std::string text) : Kind(kind), Text(std::move(text)) {}
  CommandAction(CommandAction&&) = default;
  CommandAction& operator=(CommandAction&&) = default;
  // Releases the rest of the list without recursing once per entry: a value of 2047 "&"
  // makes a list of 2048 entries.
  ~CommandAction();
};

using ActionList = std::unique_ptr<CommandAction>;

}  // namespace lumo
