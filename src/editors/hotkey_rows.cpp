#include "editors/hotkey_rows.h"

#include <algorithm>

#include "editors/hotkey_text.h"

namespace lumo {

namespace {

// "如果继续,先前定义的热键 '%s' 将失效." in code page 936.
constexpr char kConflictBefore[] =
    "\xC8\xE7\xB9\xFB\xBC\xCC\xD0\xF8,\xCF\xC8\xC7\xB0\xB6\xA8\xD2\xE5\xB5\xC4\xC8\xC8"
    "\xBC\xFC '";
constexpr char kConflictAfter[] = "' \xBD\xAB\xCA\xA7\xD0\xA7.";

int ActionIndex(const std::wstring& name) {
  for (std::size_t i = 0; i < ActionNames.size(); ++i) {
    if (ActionNames[i] == name) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

std::wstring ActionName(std::int32_t action) {
  if (action < 0 || action >= static_cast<std::int32_t>(ActionNames.size())) {
    return {};
  }
  return std::wstring(ActionNames[static_cast<std::size_t>(action)]);
}

std::wstring YesNo(bool yes) {
  return std::wstring(YesNoNames[yes ? 1 : 0]);
}

}  // namespace

void HotkeyRows::Select(int row) {
  selected_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
}

bool HotkeyRows::HasSelection() const {
  return selected_ >= 0;
}

void HotkeyRows::SetCaption(std::size_t row, std::string caption) {
  // Setting a caption re-sorts the list; the selection moves with its row.
  rows_[row].caption = std::move(caption);
  std::vector<std::size_t> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) {
    order[i] = i;
  }
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return compare_(rows_[a].caption, rows_[b].caption) < 0;
  });
  std::vector<HotkeyRow> sorted;
  sorted.reserve(rows_.size());
  int selected = -1;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (static_cast<int>(order[i]) == selected_) {
      selected = static_cast<int>(i);
    }
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  selected_ = selected;
}

HotkeyFields HotkeyRows::Fill(const HotkeyList& list) {
  rows_.clear();
  selected_ = -1;
  for (const std::shared_ptr<HotkeyDefinition>& record : list) {
    if (!record) {
      continue;  // an empty slot holds no definition to show
    }
    HotkeyRow row;
    row.action = ActionName(record->Action);
    row.parameter = record->Parameter;
    row.hotkey = HotkeyTextOf(*record);
    row.active = YesNo(record->Active);
    row.link = record;
    rows_.push_back(std::move(row));
    SetCaption(rows_.size() - 1, record->Description);
  }
  if (rows_.empty()) {
    return New();
  }
  selected_ = 0;
  std::optional<HotkeyFields> shown = Click();
  SetApplyEnabled(false);
  return *shown;
}

HotkeyFields HotkeyRows::ShowHotkey(int index) const {
  const HotkeyRow& row = rows_.at(static_cast<std::size_t>(index));
  HotkeyFields fields;
  fields.description = row.caption;
  fields.action = ActionIndex(row.action);
  fields.parameter = row.parameter;
  fields.parameter_visible = fields.action == 0;
  // The linked record, not the row's texts: it is the state of the last Apply.
  if (row.link) {
    fields.linked = true;
    fields.ctrl = row.link->Ctrl;
    fields.alt = row.link->Alt;
    fields.shift = row.link->Shift;
    fields.win = row.link->Win;
    fields.active = row.link->Active;
    fields.key = row.link->Key;
  }
  return fields;
}

std::optional<HotkeyFields> HotkeyRows::Click() {
  if (!HasSelection()) {
    return std::nullopt;
  }
  group_ = GroupCaption::kEdit;
  return ShowHotkey(selected_);
}

HotkeyFields HotkeyRows::New() {
  HotkeyRow row;
  row.action = ActionName(0);
  row.active = YesNo(true);
  // No caption is set, so the row stays last until its description is typed.
  rows_.push_back(std::move(row));
  group_ = GroupCaption::kAdd;
  selected_ = static_cast<int>(rows_.size()) - 1;
  SetApplyEnabled(true);
  return ShowHotkey(selected_);
}

HotkeyFields HotkeyRows::Delete() {
  // Without a selection the removal is empty, and the rest happens all the same.
  if (HasSelection()) {
    rows_.erase(rows_.begin() + selected_);
  }
  if (rows_.empty()) {
    // The list never stays empty.
    return New();
  }
  selected_ = 0;
  group_ = GroupCaption::kEdit;
  SetApplyEnabled(true);
  return ShowHotkey(0);
}

void HotkeyRows::SetDescription(const std::string& text) {
  if (!HasSelection()) {
    return;
  }
  SetCaption(static_cast<std::size_t>(selected_), text);
  SetApplyEnabled(true);
}

void HotkeyRows::SetParameter(const std::string& text) {
  if (!HasSelection()) {
    return;
  }
  rows_[static_cast<std::size_t>(selected_)].parameter = text;
  SetApplyEnabled(true);
}

void HotkeyRows::SetActive(bool active) {
  if (!HasSelection()) {
    return;
  }
  rows_[static_cast<std::size_t>(selected_)].active = YesNo(active);
  SetApplyEnabled(true);
}

std::optional<bool> HotkeyRows::PickAction(int action, const std::string& command_line) {
  if (!HasSelection()) {
    return std::nullopt;
  }
  HotkeyRow& row = rows_[static_cast<std::size_t>(selected_)];
  const std::wstring name = ActionName(action);
  if (name == row.action) {
    return std::nullopt;
  }
  row.action = name;
  // The hidden field keeps its text, so picking action 0 again brings the parameter back.
  const bool with_parameter = action == 0;
  row.parameter = with_parameter ? command_line : std::string();
  SetApplyEnabled(true);
  return with_parameter;
}

std::optional<HotkeyConflict> HotkeyRows::FindConflict(const std::string& text) const {
  const std::wstring yes = YesNo(true);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const int index = static_cast<int>(i);
    if (index == selected_ || rows_[i].hotkey != text || rows_[i].active != yes) {
      continue;
    }
    HotkeyConflict conflict;
    conflict.row = index;
    conflict.entry = rows_[i].caption;
    // Apply registers the rows in list order, so the later of the two is the one whose
    // registration fails: that is the hotkey the message must name.
    const bool other_first = selected_ < 0 || index < selected_;
    const std::string& named = other_first && selected_ >= 0
                                   ? rows_[static_cast<std::size_t>(selected_)].caption
                                   : rows_[i].caption;
    conflict.message = kConflictBefore + named + kConflictAfter;
    return conflict;
  }
  return std::nullopt;
}

bool HotkeyRows::UpdateHotkey(bool ctrl, bool alt, bool shift, bool win,
                              const std::string& key_name, HotkeyChecks& checks) {
  if (!HasSelection()) {
    return false;
  }
  const std::string text = HotkeyText(ctrl, alt, shift, win, key_name);
  bool accepted;
  if (std::optional<HotkeyConflict> conflict = FindConflict(text)) {
    accepted = checks.ConfirmConflict(conflict->entry, conflict->message);
  } else {
    accepted = checks.TryRegistration(HotkeyTextToKey(text), HotkeyTextToModifiers(text));
  }
  if (!accepted) {
    return false;
  }
  rows_[static_cast<std::size_t>(selected_)].hotkey = text;
  SetApplyEnabled(true);
  return true;
}

HotkeyList HotkeyRows::Apply() {
  HotkeyList list;
  const std::wstring yes = YesNo(true);
  for (HotkeyRow& row : rows_) {
    auto record = std::make_shared<HotkeyDefinition>();
    const ModifierSet modifiers = HotkeyTextToModifiers(row.hotkey);
    record->Ctrl = (modifiers & kModifierCtrl) != 0;
    record->Alt = (modifiers & kModifierAlt) != 0;
    record->Shift = (modifiers & kModifierShift) != 0;
    record->Win = (modifiers & kModifierWin) != 0;
    record->Key = KeyNameIndex(HotkeyKeyName(row.hotkey));
    record->Description = row.caption;
    record->Action = ActionIndex(row.action);
    record->Parameter = row.parameter;
    record->Active = row.active == yes;
    row.link = record;
    list.push_back(std::move(record));
  }
  SetApplyEnabled(false);
  return list;
}

}  // namespace lumo
