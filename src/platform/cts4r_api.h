#pragma once
// The announcer's driver library, linked at load time: the program does not start without
// cts4r.dll. Results go only to the support log.
#include <cstdint>

extern "C" {
__declspec(dllimport) int __stdcall Cls(std::int32_t mode);
__declspec(dllimport) int __stdcall PrintText(std::int32_t first, std::int32_t line,
                                              const char* text);
__declspec(dllimport) int __stdcall SoundOut(const char* text);
__declspec(dllimport) int __stdcall DrawImage(std::int32_t x, std::int32_t y, const char* path,
                                              const std::int32_t* rect);
}
