#include "inspect/window_choice.h"

#include "service/caption_match.h"

namespace lumo {

namespace {

std::string Lines(const std::vector<const TitledWindow*>& windows) {
  std::string out;
  for (const TitledWindow* window : windows) {
    out += "  \"" + window->Title + "\"";
    if (!window->Answered) {
      out += " (did not answer within 1 s: is the program hung?)";
    }
    out += '\n';
  }
  return out;
}

}  // namespace

WindowChoice ChooseRegisterWindow(const std::vector<TitledWindow>& windows,
                                  std::string_view caption) {
  std::vector<const TitledWindow*> matches;
  std::vector<const TitledWindow*> all;
  for (const TitledWindow& window : windows) {
    all.push_back(&window);
    if (CaptionOccurs(window.Title, caption)) {
      matches.push_back(&window);
    }
  }
  WindowChoice choice;
  const std::string quoted = std::string("\"").append(caption) + "\"";
  if (matches.size() == 1) {
    choice.Chosen = matches.front()->Handle;
    choice.Window = matches.front();
  } else if (matches.empty()) {
    choice.Message = "No visible window has a title that contains " + quoted +
                     " (Lumo compares the first 63 bytes of a title byte for byte; case "
                     "counts; an empty caption matches nothing). Visible windows:\n" +
                     Lines(all);
  } else {
    choice.Message = std::to_string(matches.size()) + " windows have a title that contains " +
                     quoted + "; Lumo would take whichever is in front. A longer caption " +
                     "tells them apart:\n" + Lines(matches);
  }
  return choice;
}

}  // namespace lumo
