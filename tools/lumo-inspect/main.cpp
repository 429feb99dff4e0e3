// lumo-inspect.exe: the integrator's view of a register window and of Lumo.sdf, through
// the very loaders, reader, expansion and capture code that Lumo.exe runs.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "capture/bmp_file.h"
#include "capture/braille_picture.h"
#include "common/program_path.h"
#include "console_out.h"
#include "common/errors.h"
#include "hotkeys/hotkey_file.h"
#include "inspect/check_report.h"
#include "inspect/dry_run.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"
#include "platform/ansi_text.h"
#include "platform/program_file.h"
#include "platform/win_capture_system.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "platform/win_profile_reader.h"
#include "screendef/screen_definition_file.h"
#include "window_survey.h"

namespace lumo::inspect {

namespace {

std::vector<std::string> AnsiArguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) {
    arguments.push_back(WideToAnsi(wide[i]));
  }
  LocalFree(wide);
  return arguments;
}

// The profile reader looks for a bare file name in the Windows folder: make it whole.
std::string FullPath(const std::string& path) {
  char full[MAX_PATH] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

// A frame around the picture shows where the display ends.
std::string FramedPicture(const DisplayPicture& picture) {
  const std::string rule = std::string("+").append(kDisplayWidth / 2, '-') + "+\n";
  std::string framed = rule;
  const std::string rows = BraillePicture(picture);
  for (std::size_t start = 0; start < rows.size();) {
    const std::size_t end = rows.find('\n', start);
    framed.append("|").append(rows, start, end - start).append("|\n");
    start = end + 1;
  }
  return framed + rule;
}

int List(const InspectArguments& arguments, ConsoleOut& out, ConsoleOut& err) {
  WinWindowTexts texts;
  const std::vector<TitledWindow> windows = VisibleTopWindows(texts);
  const WindowChoice choice = ChooseRegisterWindow(windows, arguments.Caption);
  if (choice.Window == nullptr) {
    err.Ansi(choice.Message);
    return 1;
  }
  const std::vector<ControlRow> controls = ListDescendants(choice.Chosen, texts);
  if (arguments.Run == InspectArguments::Command::List) {
    out.Ansi(FormatListing(DescribeWindow(*choice.Window), controls));
    return 0;
  }
  for (const ControlRow& control : controls) {
    if (control.Id == arguments.StubId) {
      out.Ansi(SdfStub(control, arguments.StubAction, arguments.StubFirst));
      return 0;
    }
  }
  err.Ansi("No control of \"" + choice.Window->Title + "\" has the ID " +
           std::to_string(arguments.StubId) + ": run without --sdf to see them all.\n");
  return 1;
}

// The file's bytes as they are on the disk; empty when it cannot be read.
std::string FileBytes(const std::string& path) {
  WinFileSystem files;
  std::string bytes;
  try {
    const std::unique_ptr<InputFile> file = files.OpenRead(path);
    char buffer[4096];
    for (std::size_t got; (got = file->Read(buffer, sizeof buffer)) > 0;) {
      bytes.append(buffer, got);
    }
  } catch (const LumoError&) {
  }
  return bytes;
}

// The hotkey file Lumo.exe beside the screen definition would load.
std::string Hotkeys(const std::string& dir, const DryRunWindow& window) {
  const std::string path = HotkeyFilePath(dir + "Lumo.exe");
  WinFileSystem files;
  if (!files.Exists(path)) {
    return "No hotkey file " + path + ": no hotkeys to run.\n";
  }
  HotkeyList hotkeys;
  std::string failure;
  try {
    LoadHotkeys(hotkeys, files, WinCodePage(), path);
  } catch (const LumoError& error) {
    failure = std::string("  Lumo reports at start: ") + error.what() + '\n';
  }
  std::string out = "Hotkeys of " + path + ", as when pressed with the window attached:\n" +
                    failure + RunHotkeysDry(hotkeys, window);
  return hotkeys.empty() && failure.empty() ? out + "  (none)\n" : out;
}

int Check(const InspectArguments& arguments, ConsoleOut& out, ConsoleOut& err) {
  const std::string path = FullPath(
      arguments.SdfPath.empty() ? ScreenDefinitionPath(ProgramFilePath()) : arguments.SdfPath);
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    err.Ansi("Not found: " + path +
             "\nLumo.exe without its Lumo.sdf starts with every default and recognises no "
             "window.\n");
    return 1;
  }
  out.Ansi("Screen definition " + path + "\n");
  const std::string bytes = FileBytes(path);
  const bool utf8 = SavedAsUtf8(bytes);
  if (utf8) {
    out.Ansi(Utf8Hint());
  }
  out.Ansi(DuplicateSectionReport(bytes));
  const WinProfileReader file(path);
  const CheckOutcome outcome = CheckScreenDefinition(file);
  out.Ansi(outcome.Report);
  if (!outcome.Loaded) {
    return 1;
  }

  WinWindowTexts texts;
  const std::vector<TitledWindow> windows = VisibleTopWindows(texts);
  const WindowChoice choice = ChooseRegisterWindow(windows, outcome.Model.WindowCaption);
  if (choice.Window == nullptr) {
    out.Ansi("No dry run. " + choice.Message);
    if (utf8) {
      out.Ansi("(The caption above is a UTF-8 text read as ANSI: see the start.)\n");
    }
    return utf8 ? 1 : 0;
  }
  out.Ansi("Dry run on \"" + choice.Window->Title + "\", without the announcer:\n");
  const std::vector<ControlRow> controls = ListDescendants(choice.Chosen, texts);
  const DryRunWindow window{choice.Chosen, controls, texts};
  WinCaptureSystem system;
  const DryRunOutcome dry = RunDry(outcome.Model, window, system, DirectoryPart(path));
  out.Ansi(dry.Report);
  out.Ansi(Hotkeys(DirectoryPart(path), window));

  BmpFileBytes picture{};
  EncodeBmp(dry.Picture, picture);
  const std::string preview = FullPath("preview.bmp");
  if (system.WriteFile(preview, picture.data(), picture.size())) {
    out.Ansi("The picture the tick composed, as tmp.bmp would hold it: " + preview + "\n");
  } else {
    err.Ansi("Cannot write " + preview + "\n");
  }
  out.Utf8(FramedPicture(dry.Picture));
  return utf8 ? 1 : 0;
}

}  // namespace

int Run() {
  ConsoleOut out(STD_OUTPUT_HANDLE);
  ConsoleOut err(STD_ERROR_HANDLE);
  const InspectArguments arguments = ParseInspectArguments(AnsiArguments());
  int status = arguments.Error.empty() ? 0 : 1;
  switch (arguments.Run) {
    case InspectArguments::Command::List:
    case InspectArguments::Command::Stub:
      status = List(arguments, out, err);
      break;
    case InspectArguments::Command::Check:
      status = Check(arguments, out, err);
      break;
    case InspectArguments::Command::Usage:
      if (!arguments.Error.empty()) {
        err.Ansi(arguments.Error + "\n\n");
      }
      (arguments.Error.empty() ? out : err).Ansi(InspectUsage());
      break;
  }
  // Output that did not arrive is a failure, whatever it said.
  return out.Failed() || err.Failed() ? 1 : status;
}

}  // namespace lumo::inspect

int main() {
  // The loaders step over texts by the system's lead bytes, as they do in Lumo.exe.
  lumo::UseSystemLeadBytes();
  return lumo::inspect::Run();
}
