#pragma once
// The program's support log, Lumo.log, reached from wherever something worth telling
// happens. Until OpenProgramLog it keeps nothing.
#include <windows.h>

#include <string>

#include "supportlog/support_log.h"

namespace lumo {

SupportLog& ProgramLog();

// Lumo.log beside the program, else %LOCALAPPDATA%\Lumo\Lumo.log.
void OpenProgramLog(const std::string& program_path);

// An error box the editors show themselves, with its text.
void LogErrorBox(const std::wstring& text);

// "start"/"end": the version, the program's path, the ANSI code page and Windows' version.
void LogProgramStartOrEnd(const char* event, const char* version, const std::string& program_path);

}  // namespace lumo
