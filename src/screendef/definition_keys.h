#pragma once
// The section and key names of Lumo.sdf. Every till's file is written with them, by hand and
// by lumo-inspect's stubs: their bytes never change. The reader ignores their case.

namespace lumo::sdf {

inline constexpr char kWindowSection[] = "WINDOW";
inline constexpr char kCaption[] = "Caption";
inline constexpr char kOnShow[] = "OnShow";
inline constexpr char kOnClose[] = "OnClose";

inline constexpr char kTimerSection[] = "TIMER";
inline constexpr char kEnable[] = "Enable";
inline constexpr char kInterval[] = "Interval";
inline constexpr char kShowLasting[] = "ShowLasting";
inline constexpr char kActions[] = "Actions";

// "TIMER.ACTION1" .. "TIMER.ACTIONn", each with these keys.
inline constexpr char kActionSectionPrefix[] = "TIMER.ACTION";
inline constexpr char kPrompt[] = "PROMPT";
inline constexpr char kPromptX[] = "P_X";
inline constexpr char kPromptY[] = "P_Y";
inline constexpr char kImageX[] = "S_X";
inline constexpr char kImageY[] = "S_Y";
inline constexpr char kRectangleNumber[] = "BMP_RECT";

// Its keys are the numbers that BMP_RECT names.
inline constexpr char kRectSection[] = "RECT";

}  // namespace lumo::sdf
