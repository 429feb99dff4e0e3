#pragma once
// The hook library: attaches to the register window's thread and tells the notify window,
// with WM_HOOKCLOSED, when the register window has gone away.
#include <windows.h>

#ifdef LUMO_HOOKER_BUILD
#define LUMO_HOOKER_API __declspec(dllexport)
#else
#define LUMO_HOOKER_API __declspec(dllimport)
#endif

#define WM_HOOKCLOSED (WM_USER + 103)
// WM_HOOKCLOSED's wParam: how the register went. Lumo only writes it into its log.
inline constexpr WPARAM kHookClosedWindow = 0;   // the window was destroyed
inline constexpr WPARAM kHookClosedProcess = 1;  // its process ended without destroying it

extern "C" {
// Attaches to thread (the register window's); on success the low byte of the result is
// non-zero, and WM_HOOKCLOSED is posted to notify once when register is destroyed or its
// process ends. An earlier attachment is detached first.
LUMO_HOOKER_API BOOL WINAPI InstallAllHook(DWORD thread, HWND notify, HWND register_window);
// Detaches; harmless when nothing is attached.
LUMO_HOOKER_API BOOL WINAPI UnInstallHook(void);
}
