#pragma once
// One line per driver call, appended to the record file:
//   <ms> Cls <n>
//   <ms> PrintText <n> <n> "<text>"
//   <ms> SoundOut "<text>"
//   <ms> DrawImage <n> <n> "<path>" <null|left,top,right,bottom> "<copy file name>"
// Bytes 0x20-0x7E other than '"' and '\' stand as they are, every other byte as \xHH.
// Beside a bitmap's copy "<record>.NNNN.bmp", when it is a bitmap, lies "<record>.NNNN.txt":
// the display showing it, as braille text (UTF-8).
#include <cstdint>
#include <string>

namespace lumo::cts4r {

std::string EscapeText(const char* text);

// Milliseconds of the high-resolution counter: monotonic and shared by all processes.
std::int64_t MonotonicMilliseconds();

// LUMO_ANNOUNCER_LOG, else announcer.log beside this DLL.
std::string RecordPath();

// Copies the bitmap beside the record as "<record>.NNNN.bmp" under the first free number;
// returns the copy's file name, empty when there was nothing to copy.
std::string KeepBitmapCopy(const std::string& record_path, const char* bitmap_path);

// Appends one line (a newline is added). Failures are swallowed: the caller must never
// notice the record.
void AppendLine(const std::string& record_path, const std::string& line);

// Creates or overwrites the file with content; failures are swallowed as above.
void WriteWholeFile(const std::string& path, const std::string& content);

}  // namespace lumo::cts4r
