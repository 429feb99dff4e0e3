#pragma once
// What tests and the demo may rely on in register-sim.exe, the stand-in register window.
//
// Command line (ANSI, so GBK texts pass as they are; a double-quoted argument may hold
// spaces, there are no other escapes):
//   --title <text>        window title (default kDefaultTitle)
//   --text <id>=<text>    preset the text of the control with that ID (repeatable)
//   --pattern             paint the black-and-white pattern in the pattern area
//   --hang-after <ms>     stop answering messages that long after the window shows
//   --screen <name>       add the amount display in the colours of that entry of kScreens
//   --focus <id>          keep the keyboard focus, and with it the blinking caret, in that
//                         control whenever the window is active
//
// While it runs:
//   WM_COPYDATA with dwData = a control ID and lpData/cbData = ANSI text bytes (no
//   terminator needed) sets that control's text, nested controls included; dwData = 0 sets
//   the window title. The message returns TRUE when the control exists.
//   kHangMessage (sent or posted) with wParam = milliseconds stops answering messages for that
//   long; wParam = 0 means until the process is ended.
//   kHangOnReadMessage (sent or posted) with wParam = a control ID: the first WM_GETTEXT that
//   control gets afterwards stops the register for good, as a register that hangs while a
//   reader waits for it. Until then the title and every control answer.
#include <cstdint>

namespace register_sim {

inline constexpr char kWindowClass[] = "LumoRegisterSim";
// "收银台 - 演示" in GBK.
inline constexpr char kDefaultTitle[] = "\xCA\xD5\xD2\xF8\xCC\xA8 - \xD1\xDD\xCA\xBE";

// Dialog controls, direct children of the register window (GetDlgItem finds them).
inline constexpr int kAmountDueId = 1001;
inline constexpr int kTotalId = 1002;
inline constexpr int kChangeId = 1003;
// An edit control inside the panel: a descendant, but no direct child.
inline constexpr int kMemberId = 1004;
inline constexpr int kAmountDueLabelId = 1101;
inline constexpr int kMemberLabelId = 1102;
inline constexpr int kTotalLabelId = 1103;
inline constexpr int kChangeLabelId = 1104;
inline constexpr int kPanelId = 1200;
inline constexpr int kPatternId = 2001;

// Texts the controls start with unless --text says otherwise.
inline constexpr char kDefaultAmountDue[] = "12.50";
inline constexpr char kDefaultTotal[] = "12.50";
inline constexpr char kDefaultChange[] = "0.00";
inline constexpr char kDefaultMember[] = "8888";

// Control IDs in the order EnumChildWindows visits the register window's descendants
// (from 1). The panel's two children come right after the panel, so from the fourth on
// this differs from the order of the direct children.
inline constexpr int kDescendantOrder[] = {
    kAmountDueLabelId, kAmountDueId, kPanelId,       kMemberLabelId, kMemberId,
    kTotalLabelId,     kTotalId,     kChangeLabelId, kChangeId,      kPatternId};
inline constexpr int kDescendantCount = sizeof kDescendantOrder / sizeof kDescendantOrder[0];

inline constexpr unsigned kHangMessage = 0x8000 + 1;        // WM_APP + 1
inline constexpr unsigned kHangOnReadMessage = 0x8000 + 2;  // WM_APP + 2

// Placement: the window's top-left corner on the screen (clear of the corner where Wine
// shows its tray window) and its client size.
inline constexpr int kWindowX = 240;
inline constexpr int kWindowY = 160;
inline constexpr int kClientWidth = 460;
inline constexpr int kClientHeight = 240;

// The pattern area: a child window (kPatternId) at this place in the client area. With
// --pattern it shows square blocks of kPatternBlock pixels, pure black (0,0,0) and pure
// white (255,255,255), black where the block's column plus row is even (the top-left
// block is black). Without --pattern the area is plain white.
inline constexpr int kPatternX = 16;
inline constexpr int kPatternY = 188;
inline constexpr int kPatternWidth = 96;
inline constexpr int kPatternHeight = 32;
inline constexpr int kPatternBlock = 8;

// Colour of pixel (x, y) of the pattern area, counted from its top-left corner.
constexpr bool PatternPixelIsBlack(int x, int y) {
  return ((x / kPatternBlock) + (y / kPatternBlock)) % 2 == 0;
}

// The amount display (--screen): a child window (kAmountDisplayId, after the pattern area
// in descendant order) that fills itself with the screen's field colour and draws its own
// text (default kDefaultAmountDue) in kDisplayFont, anti-aliased, left-aligned at
// kDisplayTextX and vertically centred. Colours are 0x00RRGGBB.
inline constexpr int kAmountDisplayId = 2002;
inline constexpr int kDisplayX = 128;
inline constexpr int kDisplayY = 184;
inline constexpr int kDisplayWidth = 320;
inline constexpr int kDisplayHeight = 48;
inline constexpr int kDisplayTextX = 8;
inline constexpr wchar_t kDisplayFont[] = L"Tahoma";
inline constexpr int kDisplayFontPixels = 32;  // character height (em), in pixels

struct Screen {
  const char* name;
  std::uint32_t field;
  std::uint32_t digits;
};
inline constexpr Screen kScreens[] = {
    {"white", 0xFFFFFF, 0x000000},  // a common UI font on a white field
    {"dark", 0x000000, 0x40FF40},   // the green-on-black amount display
    {"grey", 0x707070, 0x101010},   // a panel darker than mid-grey
};

}  // namespace register_sim
