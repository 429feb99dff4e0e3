#pragma once
// What the main window's source files share: its timers and the status bar's texts.
#include <windows.h>

#include "service/service_control.h"

namespace lumo {

inline constexpr UINT_PTR kPollingTimer = 1;      // looks for the register window in front
inline constexpr UINT_PTR kTrayAtStartTimer = 2;  // hides the window just after start
inline constexpr UINT_PTR kCaptureTimer = 3;      // the capture tick
inline constexpr UINT_PTR kLogTimer = 4;  // the support log's lines to its file, off the fast paths
inline constexpr UINT kTrayAtStartDelay = 200;

const wchar_t* StatusText(ServiceStatus status);

}  // namespace lumo
