#pragma once
// The rows of the hotkey editor and every decision the window takes on them: which row is
// shown, what an edit changes, which combinations are accepted and what Apply builds. The
// window only shows the rows and forwards the user's actions here.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hotkeys/hotkey_definitions.h"

namespace lumo {

// One row: a caption, four sub-items, and the record it came from (none for a row added
// since the last Apply).
struct HotkeyRow {
  std::string caption;    // the description (ANSI)
  std::wstring action;    // one of ActionNames, or empty
  std::string parameter;  // command lines joined by "^" (ANSI)
  std::string hotkey;     // hotkey text
  std::wstring active;    // one of YesNoNames
  std::shared_ptr<const HotkeyDefinition> link;
};

// What the edit controls show for a row.
struct HotkeyFields {
  std::string description;
  int action = -1;  // index into ActionNames; -1 selects nothing
  std::string parameter;
  bool parameter_visible = false;
  // The linked record's state. Without a link the modifier boxes are cleared, the active
  // box is checked and the key list keeps whatever it had.
  bool linked = false;
  bool ctrl = false, alt = false, shift = false, win = false;
  bool active = true;
  std::int32_t key = -1;
};

// The two checks a new combination goes through; the window answers them with its dialogs.
class HotkeyChecks {
 public:
  virtual ~HotkeyChecks() = default;
  // The conflict dialog: entry is the other row's description, message the text below it.
  // True when the user chose to continue.
  virtual bool ConfirmConflict(const std::string& entry, const std::string& message) = 0;
  // Registers the combination for a moment. False when the system refuses it (the user has
  // then been told).
  virtual bool TryRegistration(std::uint8_t key, ModifierSet modifiers) = 0;
};

struct HotkeyConflict {
  int row = -1;         // the other row
  std::string entry;    // its description
  std::string message;  // names whichever of the two rows stands earlier
};

enum class GroupCaption { kEdit, kAdd };  // "编辑热键" / "添加热键"

// Orders two captions; <0, 0 or >0 like strcmp. The window passes the locale's comparison.
using CaptionCompare = std::function<int(const std::string&, const std::string&)>;

class HotkeyRows {
 public:
  explicit HotkeyRows(CaptionCompare compare) : compare_(std::move(compare)) {}

  const std::vector<HotkeyRow>& Rows() const { return rows_; }
  int Selected() const { return selected_; }
  // The list's own selection, however it moved (click, keyboard); -1 for none.
  void Select(int row);
  bool ApplyEnabled() const { return apply_enabled_; }
  GroupCaption Group() const { return group_; }

  // Rows from the definitions; the fields to show afterwards.
  HotkeyFields Fill(const HotkeyList& list);
  HotkeyFields ShowHotkey(int row) const;
  // A click on the list: the selected row's fields, nothing when no row is selected.
  std::optional<HotkeyFields> Click();
  HotkeyFields New();
  // Removes the selected row, if any; then the first row is selected and shown, or, when
  // no row is left, a new one is added. The fields to show.
  HotkeyFields Delete();

  // Field edits; each does nothing without a selected row.
  void SetDescription(const std::string& text);
  void SetParameter(const std::string& text);
  void SetActive(bool active);
  // The user picked an action. Returns whether the parameter field is now visible, or
  // nothing when the row did not change. command_line: the parameter field's text, kept
  // there while the field is hidden.
  std::optional<bool> PickAction(int action, const std::string& command_line);
  // The modifier boxes or the key list changed: builds the text, checks it and stores it
  // when accepted. Returns whether the row's hotkey text changed.
  bool UpdateHotkey(bool ctrl, bool alt, bool shift, bool win, const std::string& key_name,
                    HotkeyChecks& checks);
  std::optional<HotkeyConflict> FindConflict(const std::string& text) const;

  // New records from all rows, in the order shown; each row is linked to its record.
  HotkeyList Apply();

 private:
  void SetCaption(std::size_t row, std::string caption);
  void SetApplyEnabled(bool enabled) { apply_enabled_ = enabled; }
  bool HasSelection() const;

  CaptionCompare compare_;
  std::vector<HotkeyRow> rows_;
  int selected_ = -1;
  bool apply_enabled_ = false;
  GroupCaption group_ = GroupCaption::kEdit;
};

}  // namespace lumo
