#include "inspect/check_report.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "capture/compose.h"
#include "capture/display_picture.h"
#include "capture/screen_capture.h"
#include "inspect/recording_profile_reader.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"

namespace lumo {

namespace {

// The capture timer as loading leaves it; nothing while loading never switched it.
class RecordingTimer : public CaptureTimer {
 public:
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  void SetInterval(std::uint32_t milliseconds) override { interval_ = milliseconds; }

  std::optional<bool> enabled_;
  std::optional<std::uint32_t> interval_;
};

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

void AppendReads(std::string& out, const std::vector<ProfileRead>& reads, std::size_t from,
                 std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    const ProfileRead& read = reads[i];
    out += read.InFile ? "  read     [" : "  default  [";
    out += read.Section + "] " + read.Key;
    // As the file has it, quotes included; a loader that converts the text itself asks
    // with an empty default, which has nothing to show.
    if (read.InFile || !read.Value.empty()) {
      out += " = " + (read.Value.empty() ? std::string("(empty)") : read.Value);
    }
    out += '\n';
  }
}

std::string EntryMeaning(const CommandAction& entry) {
  if (entry.Kind == kSpeakAction) {
    return "speech: the first number and the last two characters are spoken";
  }
  if (entry.Kind != kDisplayAction) {
    return "unknown kind: passed over";
  }
  if (entry.Text.empty()) {
    return "does nothing (a token with neither DISPLAY= nor SPEAK=, or an empty one)";
  }
  switch (entry.Text.front()) {
    case '~':
      return "display line 1, cleared first";
    case '^':
      return "display line 2";
    default:
      break;
  }
  if (entry.Text.starts_with("<%")) {
    return "display: line 1 or 2 only if the control's text starts with ~ or ^";
  }
  return "display, but without ~ or ^ in front it shows nothing";
}

void AppendActionList(std::string& out, const std::string& name, const CommandAction* first) {
  std::vector<const CommandAction*> entries;
  for (const CommandAction* entry = first; entry != nullptr; entry = entry->Next.get()) {
    entries.push_back(entry);
  }
  out += "  " + name + ": " + std::to_string(entries.size()) +
         (entries.size() == 1 ? " entry\n" : " entries\n");
  for (std::size_t i = 0; i < entries.size(); ++i) {
    out += "    " + std::to_string(i + 1) + ". " + EntryMeaning(*entries[i]) + "\n       " +
           Quoted(entries[i]->Text) + '\n';
  }
}

std::string Point(std::int32_t x, std::int32_t y) {
  return std::string("(").append(std::to_string(x)).append(", ").append(std::to_string(y)) + ")";
}

std::string Placement(const CaptureAction& action) {
  const CaptureRectangle& r = action.CaptureRect;
  const std::int64_t width = std::int64_t{r.Right} - r.Left;
  const std::int64_t height = std::int64_t{r.Bottom} - r.Top;
  std::string text = "region " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                     std::to_string(r.Right) + "," + std::to_string(r.Bottom) + " (" +
                     std::to_string(width) + " x " + std::to_string(height) + ")";
  if (width <= 0 || height <= 0) {
    return text + ": no positive width and height, left out of every tick";
  }
  const std::int64_t place = PlaceWidth(width, height);
  text += " drawn " + std::to_string(place) + " x " + std::to_string(kPlaceHeight) + " at " +
          Point(action.ImageX, action.ImageY);
  if (!CopyableRegion(width, height)) {
    text += ", too large to copy: a white block";
  } else if (action.ImageX < 0 || action.ImageY < 0 || action.ImageX + place > kDisplayWidth ||
             action.ImageY + kPlaceHeight > kDisplayHeight) {
    text += ", partly outside the 240 x 36 display";
  }
  return text;
}

void AppendTimerPart(std::string& out, const RecordingTimer& timer, const ScreenDefinition& model) {
  out += "  capture timer: ";
  out += !timer.enabled_ ? std::string("not switched") : *timer.enabled_ ? "on" : "off";
  if (timer.interval_) {
    out += ", every " + std::to_string(*timer.interval_) + " ms";
  }
  out += "\n  advertisement after " + std::to_string(model.ShowLastingTicks) + " unchanged ticks\n";
  for (std::size_t i = 0; i < model.TimerActions.size(); ++i) {
    const CaptureAction& action = model.TimerActions[i];
    out += "  TIMER.ACTION" + std::to_string(i + 1) + ": " + Placement(action) + '\n';
    if (!action.Prompt.empty()) {
      out += "    prompt " + Quoted(action.Prompt) + " at " +
             Point(action.PromptX, action.PromptY) + '\n';
    }
  }
}

void AppendResult(std::string& out, const std::string& step, bool loaded,
                  const std::string& failure) {
  if (loaded) {
    out += step + ": loaded\n";
  } else {
    out += step + " FAILED: " + failure + "\n  What stays stored:\n";
  }
}

}  // namespace

CheckOutcome CheckScreenDefinition(const ProfileReader& file) {
  CheckOutcome outcome;
  const RecordingProfileReader recorder(file);
  RecordingTimer timer;
  std::string& out = outcome.Report;
  ScreenDefinition& model = outcome.Model;

  std::string window_failure;
  const bool window_loaded = LoadWindowDefinition(model, recorder, &window_failure);
  const std::size_t window_reads = recorder.Reads().size();
  out += "LoadWindowDefinition reads:\n";
  AppendReads(out, recorder.Reads(), 0, window_reads);
  AppendResult(out, "LoadWindowDefinition", window_loaded, window_failure);
  out += "  Caption " + Quoted(model.WindowCaption) +
         (model.WindowCaption.empty() ? ": matches no window\n" : "\n");
  AppendActionList(out, "OnShow", model.OnShowActions.get());
  AppendActionList(out, "OnClose", model.OnCloseActions.get());

  std::string timer_failure;
  const bool timer_loaded = LoadTimerDefinition(model, timer, recorder, &timer_failure);
  out += "LoadTimerDefinition reads:\n";
  AppendReads(out, recorder.Reads(), window_reads, recorder.Reads().size());
  AppendResult(out, "LoadTimerDefinition", timer_loaded, timer_failure);
  AppendTimerPart(out, timer, model);

  outcome.Loaded = window_loaded && timer_loaded;
  return outcome;
}

}  // namespace lumo
