// The announcer driver's four calls. Each one appends a line to the record and, when asked
// for, shows itself in the announcer window, and returns at once. It returns 1, or 0 for
// the calls named in LUMO_ANNOUNCER_FAIL ("SoundOut,Cls"): a driver that lost its device.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "announcer_view.h"
#include "call_record.h"
#include "capture/braille_picture.h"
#include "display_bitmap.h"

namespace {

using lumo::cts4r::AppendLine;
using lumo::cts4r::EscapeText;
using lumo::cts4r::MonotonicMilliseconds;
using lumo::cts4r::RecordPath;

std::string Stamp(const char* name) {
  return std::to_string(MonotonicMilliseconds()) + " " + name;
}

int Result(const char* name) noexcept {
  char names[256];
  const DWORD length = GetEnvironmentVariableA("LUMO_ANNOUNCER_FAIL", names, sizeof names);
  if (length == 0 || length >= sizeof names) {
    return 1;
  }
  std::string_view rest(names, length);
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    if (rest.substr(0, comma) == name) {
      return 0;
    }
    rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
  }
  return 1;
}

std::string Quoted(const char* text) {
  std::string quoted(1, '"');
  quoted.append(EscapeText(text)).push_back('"');
  return quoted;
}

// The bitmap's copy as the display shows it: braille text beside the copy, and the window.
void ShowCopy(const std::string& record, const std::string& copy, std::int32_t x, std::int32_t y,
              const std::int32_t* rect) {
  if (copy.empty()) {
    return;
  }
  const std::string copy_path = record.substr(0, record.find_last_of("\\/") + 1) + copy;
  lumo::DisplayPicture picture;
  if (!lumo::cts4r::LoadDisplayPicture(copy_path, x, y, rect, picture)) {
    return;
  }
  lumo::cts4r::WriteWholeFile(copy_path.substr(0, copy_path.rfind('.')) + ".txt",
                              lumo::BraillePicture(picture));
  lumo::cts4r::ViewPicture(picture);
}

}  // namespace

// Exported through the .def file, which keeps the names plain in both flavours.
extern "C" {

int __stdcall Cls(std::int32_t mode) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("Cls") + " " + std::to_string(mode));
    lumo::cts4r::ViewClear();
  } catch (...) {
  }
  return Result("Cls");
}

int __stdcall PrintText(std::int32_t first, std::int32_t line, const char* text) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("PrintText") + " " + std::to_string(first) + " " +
                                 std::to_string(line) + " " + Quoted(text));
    lumo::cts4r::ViewPrint(line, text ? text : "");
  } catch (...) {
  }
  return Result("PrintText");
}

int __stdcall SoundOut(const char* text) noexcept {
  try {
    AppendLine(RecordPath(), Stamp("SoundOut") + " " + Quoted(text));
    lumo::cts4r::ViewSpeak(text ? text : "");
  } catch (...) {
  }
  return Result("SoundOut");
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
    // The copy and its braille text first: the line names the copy, and a reader that sees
    // the line may open both.
    const std::string copy = lumo::cts4r::KeepBitmapCopy(record, path);
    ShowCopy(record, copy, x, y, rect);
    AppendLine(record, Stamp("DrawImage") + " " + std::to_string(x) + " " + std::to_string(y) +
                           " " + Quoted(path) + " " + area + " " + Quoted(copy.c_str()));
  } catch (...) {
  }
  return Result("DrawImage");
}

}  // extern "C"
