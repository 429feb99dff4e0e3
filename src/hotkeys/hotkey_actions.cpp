#include "hotkeys/hotkey_actions.h"

#include <exception>
#include <optional>

#include "common/errors.h"

namespace lumo {

HotkeyActions::HotkeyActions(HotkeyList& list, HotkeyComponent& component, HotkeyStore& store,
                             HotkeyHost& host)
    : list_(list), component_(component), store_(store), host_(host) {}

void HotkeyActions::LoadHotkeys() {
  try {
    store_.Load(list_);
  } catch (const FileError& error) {
    host_.ReportError(error.what());
  }
}

void HotkeyActions::SaveHotkeys() {
  // What the user is told at close: a failure, or where the copy of an unread file is.
  std::optional<std::string> told;
  try {
    told = store_.Save(list_);
  } catch (const FileError& error) {
    told = error.what();
  }
  if (told) {
    host_.ReportError(*told);
  }
}

void HotkeyActions::InstallHotkeys() {
  for (const auto& definition : list_) {
    // An empty slot still takes its index, so that the identifiers stay the list's indices.
    const HotkeyDefinition none;
    const HotkeyDefinition& rec = definition ? *definition : none;
    component_.AddHotkey(VirtualKeyOfIndex(rec.Key), HotkeyModifiers(rec));
  }
  component_.SetActive(true);
  for (int i = 0; i < component_.Count(); ++i) {
    host_.HotkeyInstalled(i, component_.Entry(i).Registered);
  }
}

void HotkeyActions::RemoveHotkeys() {
  component_.SetActive(false);
  component_.Clear();
}

void HotkeyActions::OnHotkeyPressed(std::int32_t index) {
  try {
    ExecuteHotkey(index);
  } catch (const std::exception& error) {
    host_.ReportError(error.what());
  }
}

void HotkeyActions::ExecuteHotkey(std::int32_t index) {
  // An identifier without a definition (the list changed without a new install) does
  // nothing.
  if (index < 0 || static_cast<std::size_t>(index) >= list_.size()) {
    return;
  }
  // Held for the whole action: the editor, opened from here, may rebuild the list.
  const std::shared_ptr<HotkeyDefinition> definition = list_[static_cast<std::size_t>(index)];
  if (!definition) {
    return;
  }
  switch (definition->Action) {
    case kActionRunCommand:
      host_.RunHotkeyCommand(definition->Parameter);
      break;
    case kActionEditHotkeys:
      if (host_.EditHotkeysEnabled()) {
        host_.OnEditHotkeys();
      }
      break;
    case kActionConsole:
      host_.RestoreFromTray();
      break;
    case kActionSettings:
      if (host_.SettingsEnabled()) {
        host_.OnSettings();
      }
      break;
    default:
      break;
  }
}

}  // namespace lumo
