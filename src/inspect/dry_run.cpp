#include "inspect/dry_run.h"

#include <algorithm>
#include <optional>

#include "announcer/command_execution.h"
#include "capture/compose.h"
#include "capture/screen_capture.h"
#include "common/errors.h"
#include "editors/hotkey_text.h"
#include "inspect/call_transcript.h"
#include "inspect/reference_reach.h"
#include "inspect/two_backgrounds.h"

namespace lumo {

namespace {

struct RegionCopy {
  CaptureRectangle Rect;
  std::optional<SecondBackground> Second;
};

// The machine as the tick sees it, except that tmp.bmp stays as it is: a Lumo running in
// the same folder keeps its own. Every copy is looked at for a second background.
class NoWriteCaptureSystem : public CaptureSystem {
 public:
  explicit NoWriteCaptureSystem(CaptureSystem& system) : system_(system) {}
  bool GetWindowLayout(WindowHandle window, WindowLayout& layout) override {
    return system_.GetWindowLayout(window, layout);
  }
  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                      ColourRegion& target) override {
    const bool copied = system_.CopyWindowRect(window, rect, target);
    Copies.push_back({rect, copied ? FindSecondBackground(target) : std::nullopt});
    return copied;
  }
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    system_.RenderPrompt(text, mask);
  }
  bool WriteFile(const std::string&, const std::uint8_t*, std::size_t) override { return true; }
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    system_.ListFolderFiles(folder, names);
  }
  std::uint64_t HighResolutionCounter() override { return system_.HighResolutionCounter(); }

  std::vector<RegionCopy> Copies;

 private:
  CaptureSystem& system_;
};

// The window's texts, with the dialog IDs that references asked for written down. Once
// the window has gone, as for the close commands, no control is found.
class ReferenceRecorder : public WindowTexts {
 public:
  ReferenceRecorder(WindowTexts& texts, bool window_gone) : texts_(texts), gone_(window_gone) {}
  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    if (std::find(Ids.begin(), Ids.end(), id) == Ids.end()) {
      Ids.push_back(id);
    }
    return gone_ ? 0 : texts_.DialogItem(window, id);
  }
  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    return texts_.Text(window, buffer_size);
  }
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) override {
    return texts_.AnsweredText(window, buffer_size);
  }
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    return texts_.NthDescendant(parent, n);
  }

  std::vector<std::int32_t> Ids;

 private:
  WindowTexts& texts_;
  bool gone_;
};

// Runs run with the calls written down, then lists them, or the error that stopped them.
template <typename Run>
void AppendCalls(std::string& out, CallTranscript& transcript, const Run& run) {
  transcript.Lines.clear();
  std::string error;
  try {
    run();
  } catch (const LumoError& failure) {
    error = failure.what();
  }
  for (const std::string& line : transcript.Lines) {
    out += "  " + line + '\n';
  }
  if (transcript.Lines.empty() && error.empty()) {
    out += "  (no calls)\n";
  }
  if (!error.empty()) {
    out += "  stops here with the error box: " + error + '\n';
  }
}

void AppendCommands(std::string& out, const DryRunWindow& window, bool window_gone,
                    const CommandAction* first) {
  CallTranscript transcript;
  ReferenceRecorder texts(window.Texts, window_gone);
  const CommandContext context{window.Handle, texts, transcript, transcript};
  AppendCalls(out, transcript, [&] { RunActionList(context, first); });
  for (const std::int32_t id : texts.Ids) {
    out += window_gone ? "  ! <%" + std::to_string(id) +
                             "%> reads empty: the window has gone when the close commands run.\n"
                       : ReferenceNote(id, DiagnoseReference(id, window.Controls));
  }
}

// The copies came in action order, one for each action the tick could copy.
void AppendRegionWarnings(std::string& out, const ScreenDefinition& model,
                          const std::vector<RegionCopy>& copies) {
  std::size_t next = 0;
  for (std::size_t i = 0; i < model.TimerActions.size() && next < copies.size(); ++i) {
    const CaptureRectangle& r = model.TimerActions[i].CaptureRect;
    const std::int64_t width = std::int64_t{r.Right} - r.Left;
    const std::int64_t height = std::int64_t{r.Bottom} - r.Top;
    const CaptureRectangle& copied = copies[next].Rect;
    if (width <= 0 || height <= 0 || !CopyableRegion(width, height) || copied.Left < r.Left ||
        copied.Top < r.Top || copied.Right > r.Right || copied.Bottom > r.Bottom) {
      continue;
    }
    if (copies[next].Second) {
      out += "  ! TIMER.ACTION" + std::to_string(i + 1) + " " +
             SecondBackgroundWarning(*copies[next].Second);
    }
    ++next;
  }
}

}  // namespace

DryRunOutcome RunDry(const ScreenDefinition& model, const DryRunWindow& window,
                     CaptureSystem& system, const std::string& program_dir) {
  DryRunOutcome outcome;
  std::string& out = outcome.Report;
  out += "Show commands, as Lumo runs them once it has attached:\n";
  AppendCommands(out, window, false, model.OnShowActions.get());
  out +=
      "Close commands, as Lumo sends them once the window has gone (every <%ID%> reads "
      "empty then):\n";
  AppendCommands(out, window, true, model.OnCloseActions.get());

  CallTranscript transcript;
  NoWriteCaptureSystem no_write(system);
  ScreenCapture capture(model, program_dir, no_write, transcript);
  capture.OnCaptureTick(window.Handle);
  out += "One capture tick:\n";
  for (const std::string& line : transcript.Lines) {
    out += "  " + line + '\n';
  }
  if (transcript.Lines.empty()) {
    out += "  (no calls: the picture is still all white)\n";
  }
  AppendRegionWarnings(out, model, no_write.Copies);
  outcome.Picture = capture.DisplayImage();
  return outcome;
}

std::string RunHotkeysDry(const HotkeyList& hotkeys, const DryRunWindow& window) {
  std::string out;
  CallTranscript transcript;
  const CommandContext context{window.Handle, window.Texts, transcript, transcript};
  for (const std::shared_ptr<HotkeyDefinition>& hotkey : hotkeys) {
    if (!hotkey) {
      continue;
    }
    const std::string keys = HotkeyTextOf(*hotkey);
    out += "Hotkey " + (keys.empty() ? std::string("(no key)") : keys) + " \"" +
           hotkey->Description + "\"";
    if (hotkey->Action != kActionRunCommand) {
      out += ": no announcer command (it opens one of Lumo's windows)\n";
      continue;
    }
    out += ", command \"" + hotkey->Parameter + "\":\n";
    AppendCalls(out, transcript, [&] { RunHotkeyCommand(context, hotkey->Parameter); });
  }
  return out;
}

}  // namespace lumo
