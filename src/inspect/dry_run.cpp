#include "inspect/dry_run.h"

#include "announcer/command_execution.h"
#include "capture/screen_capture.h"
#include "common/errors.h"
#include "inspect/call_transcript.h"

namespace lumo {

namespace {

// The machine as the tick sees it, except that tmp.bmp stays as it is: a Lumo running in
// the same folder keeps its own.
class NoWriteCaptureSystem : public CaptureSystem {
 public:
  explicit NoWriteCaptureSystem(CaptureSystem& system) : system_(system) {}
  bool GetWindowLayout(WindowHandle window, WindowLayout& layout) override {
    return system_.GetWindowLayout(window, layout);
  }
  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                      ColourRegion& target) override {
    return system_.CopyWindowRect(window, rect, target);
  }
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    system_.RenderPrompt(text, mask);
  }
  bool WriteFile(const std::string&, const std::uint8_t*, std::size_t) override { return true; }
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    system_.ListFolderFiles(folder, names);
  }
  std::uint64_t HighResolutionCounter() override { return system_.HighResolutionCounter(); }

 private:
  CaptureSystem& system_;
};

void AppendCommands(std::string& out, const std::string& heading, const CommandContext& context,
                    CallTranscript& transcript, const TLumoAction* first) {
  out += heading + '\n';
  transcript.Lines.clear();
  std::string error;
  try {
    RunActionList(context, first);
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

}  // namespace

DryRunOutcome RunDry(const ScreenDefinition& model, WindowHandle window, WindowTexts& texts,
                     CaptureSystem& system, const std::string& program_dir) {
  DryRunOutcome outcome;
  CallTranscript transcript;
  const CommandContext context{window, texts, transcript, transcript};
  std::string& out = outcome.Report;
  AppendCommands(out, "Show commands, as Lumo runs them once it has attached:", context, transcript,
                 model.OnShowActions.get());
  AppendCommands(out,
                 "Close commands, as Lumo runs them when the window has gone (run now, while "
                 "its controls are still there):",
                 context, transcript, model.OnCloseActions.get());

  NoWriteCaptureSystem no_write(system);
  ScreenCapture capture(model, program_dir, no_write, transcript);
  transcript.Lines.clear();
  capture.CopyTimerTimer(window);
  out += "One capture tick:\n";
  for (const std::string& line : transcript.Lines) {
    out += "  " + line + '\n';
  }
  if (transcript.Lines.empty()) {
    out += "  (no calls: the picture is still all white)\n";
  }
  outcome.Picture = capture.DisplayImage();
  return outcome;
}

}  // namespace lumo
