#include "inspect/call_transcript.h"

#include "announcer/call_text.h"

namespace lumo {

// A dry run reaches no driver: every call counts as done.
std::int32_t CallTranscript::Cls(std::int32_t mode) {
  Lines.push_back(ClsCallText(mode));
  return 1;
}

std::int32_t CallTranscript::PrintText(std::int32_t first, std::int32_t line,
                                       const std::string& text) {
  Lines.push_back(PrintTextCallText(first, line, text));
  return 1;
}

std::int32_t CallTranscript::SoundOut(const std::string& text) {
  Lines.push_back(SoundOutCallText(text));
  return 1;
}

std::int32_t CallTranscript::DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                                       const AnnouncerRect* rect) {
  Lines.push_back(DrawImageCallText(x, y, path, rect));
  return 1;
}

void CallTranscript::Sleep(std::uint32_t milliseconds) {
  Lines.push_back("wait " + std::to_string(milliseconds) + " ms");
}

}  // namespace lumo
