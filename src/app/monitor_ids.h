#pragma once
// Identifiers of the main window that other programs (a second copy, the hook library, the
// notification area) and the scenarios that drive the program rely on.

namespace lumo {

inline constexpr unsigned kWmHookClosed = 0x467;  // WM_USER + 103, from the hook library
inline constexpr unsigned kWmTrayNotify = 0x4C9;  // WM_USER + 201, the icon's callback
inline constexpr unsigned kWmRestoreApp = 0x4CA;  // WM_USER + 202, from a second copy

inline constexpr wchar_t kMainClassName[] = L"TForm1";
inline constexpr wchar_t kMainTitle[] = L"Lumo";

// Controls of the main window.
inline constexpr int kIdComboBox2 = 101;
inline constexpr int kIdButton1 = 102;
inline constexpr int kIdButton2 = 103;
inline constexpr int kIdCheckBox1 = 104;
inline constexpr int kIdStatusBar1 = 105;
inline constexpr int kIdLabel1 = 106;
inline constexpr int kIdLabel2 = 107;
inline constexpr int kIdLabel3 = 108;

// Items of the pop-up menu.
inline constexpr int kIdN1 = 201;
inline constexpr int kIdN5 = 202;
inline constexpr int kIdN6 = 203;
inline constexpr int kIdN2 = 204;
inline constexpr int kIdN3 = 205;

// Controls of the About box (its button is IDOK).
inline constexpr int kIdAboutLabel1 = 301;
inline constexpr int kIdAboutLabel2 = 302;
inline constexpr int kIdAboutLabel3 = 303;
inline constexpr int kIdAboutImage1 = 304;

}  // namespace lumo
