#include "supportlog/event_texts.h"

#include "editors/hotkey_text.h"

namespace lumo {

namespace {

std::size_t Entries(const CommandAction* first) {
  std::size_t count = 0;
  for (const CommandAction* action = first; action != nullptr; action = action->Next.get()) {
    ++count;
  }
  return count;
}

}  // namespace

std::string ScreenDefinitionLoaded(const std::string& path, const ScreenDefinition& definition,
                                   bool timer_on, std::uint32_t interval) {
  // Appended piece by piece: gcc 12 misreads "text" + std::string as an overlapping copy.
  std::string text(1, '"');
  text.append(path).append("\": caption \"").append(definition.WindowCaption).append("\", ");
  text.append(std::to_string(Entries(definition.OnShowActions.get()))).append(" show, ");
  text.append(std::to_string(Entries(definition.OnCloseActions.get()))).append(" close, ");
  text.append(std::to_string(definition.TimerActions.size())).append(" timer actions, timer ");
  if (timer_on) {
    text.append("on ").append(std::to_string(interval)).append(" ms");
  } else {
    text.append("off");
  }
  return text;
}

std::string HotkeyNamed(std::int32_t index, const HotkeyList& list) {
  std::string text(1, '#');
  text.append(std::to_string(index));
  if (index >= 0 && static_cast<std::size_t>(index) < list.size() &&
      list[static_cast<std::size_t>(index)]) {
    const HotkeyDefinition& definition = *list[static_cast<std::size_t>(index)];
    text.append(" ").append(HotkeyTextOf(definition)).append(" \"");
    text.append(definition.Description).append("\"");
  }
  return text;
}

}  // namespace lumo
