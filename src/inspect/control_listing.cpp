#include "inspect/control_listing.h"

#include <algorithm>
#include <cstddef>

#include "capture/compose.h"

namespace lumo {

namespace {

// %n reads into a 32-byte buffer.
constexpr std::size_t kChildTextBytes = 31;

std::string Padded(std::string text, std::size_t width, bool right = false) {
  if (text.size() < width) {
    text.insert(right ? 0 : text.size(), width - text.size(), ' ');
  }
  return text;
}

std::string RectText(const CaptureRectangle& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
         "," + std::to_string(r.Bottom);
}

std::string Hex(WindowHandle handle) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (int shift = 28; shift >= 0; shift -= 4) {
    text.push_back(kDigits[(handle >> shift) & 0xF]);
  }
  return "0x" + text;
}

std::string TextColumn(const ControlRow& control) {
  switch (control.Read) {
    case TextRead::NoAnswer:
      return "(no answer within 1 s)";
    case TextRead::Skipped:
      return "(not read: the window stopped answering)";
    case TextRead::Answered:
      break;
  }
  std::string text = "\"" + control.Text + "\"";
  if (control.Text.size() > kChildTextBytes) {
    text += " (%n: first 31 bytes)";
  }
  return text;
}

}  // namespace

std::string FormatListing(const WindowRow& window, const std::vector<ControlRow>& controls) {
  const CaptureRectangle& s = window.Screen;
  std::string out = "Window " + Hex(window.Handle) + " \"" + window.Title + "\" class " +
                    window.Class + "\n  on the screen " + RectText(s) + " (" +
                    std::to_string(s.Right - s.Left) + " x " + std::to_string(s.Bottom - s.Top) +
                    "); client area from (" + std::to_string(window.ClientLeft) + ", " +
                    std::to_string(window.ClientTop) + ") of the window\n";
  if (controls.empty()) {
    return out + "No descendants: %n reads an empty text, <%ID%> too.\n";
  }
  std::size_t class_width = 5;
  for (const ControlRow& control : controls) {
    class_width = std::max(class_width, control.Class.size());
  }
  out +=
      "Descendants in the order %n counts them; rectangles in whole-window coordinates, as "
      "[RECT] takes them:\n";
  out += "   %n  in     ID  shown  " + Padded("class", class_width) + "  " +
         Padded("rectangle", 19) + "  text\n";
  for (const ControlRow& c : controls) {
    out += Padded(std::to_string(c.Number), 5, true) + "  " +
           Padded(c.Parent == 0 ? "-" : std::to_string(c.Parent), 2, true) + "  " +
           Padded(std::to_string(c.Id), 5, true) + "  " + (c.Visible ? "yes  " : "no   ") + "  " +
           Padded(c.Class, class_width) + "  " + Padded(RectText(c.Rect), 19) + "  " +
           TextColumn(c) + '\n';
  }
  out +=
      "<%ID%> reads a control whose \"in\" is \"-\" (a child of the window itself), up to 63 "
      "bytes; %n reads any row, up to 31 bytes.\n";
  return out;
}

std::string SdfStub(const ControlRow& control, int action, bool first) {
  const CaptureRectangle& r = control.Inside;
  const std::int64_t width = std::int64_t{r.Right} - r.Left;
  const std::int64_t height = std::int64_t{r.Bottom} - r.Top;
  const std::string n = std::to_string(action);
  std::string out = "; Control " + std::to_string(control.Id) + " (" + control.Class + ", %" +
                    std::to_string(control.Number) + "), client area: " + std::to_string(width) +
                    " x " + std::to_string(height) + " pixels";
  if (width > 0 && height > 0) {
    out += ", drawn " + std::to_string(PlaceWidth(width, height)) + " x " +
           std::to_string(kPlaceHeight) + " at (S_X, S_Y)";
  }
  out += ".\n; A region 16 pixels high keeps the text at its own size: narrow it to the text.\n";
  if (control.Parent == 0) {
    out += "; In show and close commands its text is <%" + std::to_string(control.Id) +
           "%>; in a hotkey command, %" + std::to_string(control.Number) + ".\n";
  } else {
    out += "; It lies inside %" + std::to_string(control.Parent) + ": <%" +
           std::to_string(control.Id) + "%> does not reach it; in a hotkey command, %" +
           std::to_string(control.Number) + " does.\n";
  }
  out += "; [TIMER] needs Enable=1 and Actions=" + n + " or more.\n";
  out += "[TIMER.ACTION" + n + "]\nPROMPT=\nP_X=0\nP_Y=0\nS_X=0\nS_Y=0\nBMP_RECT=" + n + '\n';
  const std::string entry = n + "=" + RectText(r) + '\n';
  if (first) {
    return out + "[RECT]\n" + entry;
  }
  return out +
         "; Lumo reads only the first [RECT] section: move the next line into it, without "
         "the ';'.\n;" +
         entry;
}

}  // namespace lumo
