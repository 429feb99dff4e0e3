// The announcer driver's four calls. Each one only appends a line to the record: it never
// fails and returns at once, as a caller that ignores results expects of a device driver.
#include <windows.h>

#include <cstdint>
#include <string>

#include "call_record.h"

namespace {

using lumo::cts4r::AppendLine;
using lumo::cts4r::EscapeText;
using lumo::cts4r::MonotonicMilliseconds;
using lumo::cts4r::RecordPath;

std::string Stamp(const char* name) {
  return std::to_string(MonotonicMilliseconds()) + " " + name;
}

std::string Quoted(const char* text) {
  std::string quoted(1, '"');
  quoted.append(EscapeText(text)).push_back('"');
  return quoted;
}

}  // namespace

// Exported through the .def file, which keeps the names plain in both flavours.
extern "C" {

int __stdcall Cls(std::int32_t mode) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("Cls") + " " + std::to_string(mode));
  } catch (...) {
  }
  return 1;
}

int __stdcall PrintText(std::int32_t first, std::int32_t line, const char* text) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("PrintText") + " " + std::to_string(first) + " " +
                                 std::to_string(line) + " " + Quoted(text));
  } catch (...) {
  }
  return 1;
}

int __stdcall SoundOut(const char* text) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("SoundOut") + " " + Quoted(text));
  } catch (...) {
  }
  return 1;
}

int __stdcall DrawImage(std::int32_t x, std::int32_t y, const char* path,
                        const std::int32_t* rect) noexcept {
  try {
    const std::string record = RecordPath();
    std::string area = "null";
    if (rect) {
      area = std::to_string(rect[0]) + "," + std::to_string(rect[1]) + "," +
             std::to_string(rect[2]) + "," + std::to_string(rect[3]);
    }
    // The copy first: the line must name it, and a reader that sees the line may open it.
    const std::string copy = lumo::cts4r::KeepBitmapCopy(record, path);
    AppendLine(record, Stamp("DrawImage") + " " + std::to_string(x) + " " + std::to_string(y) +
                           " " + Quoted(path) + " " + area + " " + Quoted(copy.c_str()));
  } catch (...) {
  }
  return 1;
}

}  // extern "C"
