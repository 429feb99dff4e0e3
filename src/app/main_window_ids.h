#pragma once
// Identifiers of the main window that other programs (a second copy, the hook library, the
// notification area) and the scenarios that drive the program rely on.

namespace lumo {

// Message numbers, fixed: hooker.dll posts the first, the notification area sends the
// second, a second copy of any version sends the third.
inline constexpr unsigned kWmHookClosed = 0x467;  // WM_USER + 103, from the hook library
inline constexpr unsigned kWmTrayNotify = 0x4C9;  // WM_USER + 201, the icon's callback
inline constexpr unsigned kWmRestoreApp = 0x4CA;  // WM_USER + 202, from a second copy

// A second copy, of this version or an older one, finds the running one by both: fixed.
inline constexpr wchar_t kMainClassName[] = L"TForm1";
inline constexpr wchar_t kMainTitle[] = L"Lumo";

// Controls of the main window.
inline constexpr int kIdPortList = 101;
inline constexpr int kIdStartButton = 102;
inline constexpr int kIdStopButton = 103;
inline constexpr int kIdAutoMonitoringBox = 104;
inline constexpr int kIdStatusBar = 105;
inline constexpr int kIdStopLabel = 106;
inline constexpr int kIdStartLabel = 107;
inline constexpr int kIdPortLabel = 108;

// Items of the pop-up menu.
inline constexpr int kIdRestoreItem = 201;
inline constexpr int kIdEditHotkeysItem = 202;
inline constexpr int kIdSettingsItem = 203;
inline constexpr int kIdAboutItem = 204;
inline constexpr int kIdExitItem = 205;

// Controls of the About box (its button is IDOK).
inline constexpr int kIdAboutTitle = 301;
inline constexpr int kIdAboutVersion = 302;
inline constexpr int kIdAboutAuthor = 303;
inline constexpr int kIdAboutIcon = 304;

}  // namespace lumo
