#include "announcer/call_text.h"

namespace lumo {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

std::string ClsCallText(std::int32_t mode) {
  return "Cls(" + std::to_string(mode) + ")";
}

std::string PrintTextCallText(std::int32_t first, std::int32_t line, const std::string& text) {
  return "PrintText(" + std::to_string(first) + ", " + std::to_string(line) + ", " + Quoted(text) +
         ")";
}

std::string SoundOutCallText(const std::string& text) {
  return "SoundOut(" + Quoted(text) + ")";
}

std::string DrawImageCallText(std::int32_t x, std::int32_t y, const std::string& path,
                              const AnnouncerRect* rect) {
  std::string area = "null";
  if (rect != nullptr) {
    area = std::string("{").append(std::to_string(rect->Left)) + ", " + std::to_string(rect->Top) +
           ", " + std::to_string(rect->Right) + ", " + std::to_string(rect->Bottom) + "}";
  }
  return "DrawImage(" + std::to_string(x) + ", " + std::to_string(y) + ", " + Quoted(path) + ", " +
         area + ")";
}

}  // namespace lumo
