#include "inspect/call_transcript.h"

namespace lumo {

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

void CallTranscript::Cls(std::int32_t mode) {
  Lines.push_back("Cls(" + std::to_string(mode) + ")");
}

void CallTranscript::PrintText(std::int32_t first, std::int32_t line, const std::string& text) {
  Lines.push_back("PrintText(" + std::to_string(first) + ", " + std::to_string(line) + ", " +
                  Quoted(text) + ")");
}

void CallTranscript::SoundOut(const std::string& text) {
  Lines.push_back("SoundOut(" + Quoted(text) + ")");
}

void CallTranscript::DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                               const AnnouncerRect* rect) {
  std::string area = "null";
  if (rect != nullptr) {
    area = std::string("{").append(std::to_string(rect->Left)) + ", " + std::to_string(rect->Top) +
           ", " + std::to_string(rect->Right) + ", " + std::to_string(rect->Bottom) + "}";
  }
  Lines.push_back("DrawImage(" + std::to_string(x) + ", " + std::to_string(y) + ", " +
                  Quoted(path) + ", " + area + ")");
}

void CallTranscript::Sleep(std::uint32_t milliseconds) {
  Lines.push_back("wait " + std::to_string(milliseconds) + " ms");
}

}  // namespace lumo
