// lumo-inspect.exe against register-sim.exe, and its dry run against what Lumo.exe sends to
// the recording cts4r.dll for the same window, shown in the stand-in's announcer window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <sstream>

#include "capture/bmp_file.h"
#include "capture/braille_picture.h"
#include "cts4r/announcer_view.h"
#include "editors/hotkey_text.h"
#include "hotkeys/hotkey_file.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

namespace rs = register_sim;

constexpr char kCaption[] = "\xCA\xD5\xD2\xF8\xCC\xA8";  // "收银台", GBK

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

struct Output {
  DWORD exit = STILL_ACTIVE;
  std::string text;  // stdout and stderr, UTF-8 without CRs
  ULONGLONG ms = 0;
};

// Runs lumo-inspect.exe in dir, ended after 20 s.
Output Inspect(const std::string& arguments, const std::string& dir = BinDir()) {
  static const std::string file = MakeProgramDir("inspect-output") + "output.txt";
  const ULONGLONG start = GetTickCount64();
  Process inspect(dir + "lumo-inspect.exe", arguments, file);
  EXPECT_TRUE(inspect.WaitForExit(20s)) << arguments;
  Output out{inspect.ExitCode(), ReadFile(file), GetTickCount64() - start};
  std::erase(out.text, '\r');
  return out;
}

// The command calls of a dry run, one a line, the waits left out.
std::string DryRunCalls(const std::string& text) {
  const std::size_t from = text.find("Dry run on");
  std::istringstream lines(text.substr(from, text.find("One capture tick:") - from));
  std::string calls;
  for (std::string line; std::getline(lines, line);) {
    calls += line.starts_with("  ") && !line.starts_with("  wait") ? line.substr(2) + '\n' : "";
  }
  return calls;
}

// What the record holds, but pictures, in the dry run's words.
std::string SentCalls(const AnnouncerRecord& record) {
  std::string calls;
  for (const AnnouncerCall& call : record.Calls()) {
    std::string arguments;
    for (std::int64_t number : call.Numbers) {
      arguments.append(", ").append(std::to_string(number));
    }
    if (call.Name != "Cls") {
      arguments.append(", \"").append(WinCodePage().AnsiToUtf8(call.Text)).append("\"");
    }
    calls += call.Name == "DrawImage" ? "" : call.Name + "(" + arguments.substr(2) + ")\n";
  }
  return calls;
}

TEST(LumoInspect, ListingStubCheckAndADryRunEqualToWhatLumoSendsAndShows) {
  // Before any process that copies its pixels (see wine-notes).
  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  const Output listing = Inspect(kCaption);
  EXPECT_EQ(listing.exit, 0u) << listing.text;
  // Rows "n  in  ID  shown  class  rectangle  text"; "in" names the parent's row.
  for (int n = 1; n <= rs::kDescendantCount; ++n) {
    const int id = rs::kDescendantOrder[n - 1];
    const bool in_panel = id == rs::kMemberLabelId || id == rs::kMemberId;
    EXPECT_TRUE(std::regex_search(
        listing.text, std::regex("\n\\s+" + std::to_string(n) + "\\s+" + (in_panel ? "3" : "-") +
                                 "\\s+" + std::to_string(id) + "\\s+yes\\s")))
        << n;
  }
  EXPECT_PRED2(Has, listing.text, "\"应付金额:\"\n");
  // The pattern area, where register-sim puts it in its client area, in whole-window terms.
  RECT window{};
  POINT client{0, 0};
  GetWindowRect(sim.window, &window);
  ClientToScreen(sim.window, &client);
  const int left = client.x - window.left + rs::kPatternX;
  const int top = client.y - window.top + rs::kPatternY;
  EXPECT_PRED2(Has, listing.text,
               std::to_string(left) + "," + std::to_string(top) + "," +
                   std::to_string(left + rs::kPatternWidth) + "," +
                   std::to_string(top + rs::kPatternHeight) + "  ");
  const Output none = Inspect("\"no such window\"");
  EXPECT_EQ(none.exit, 1u);
  EXPECT_PRED2(Has, none.text, "No visible window has a title that contains \"no such window\"");

  // The file an integrator would write: commands, and the stub for the amount due.
  const Output stub =
      Inspect(std::string(kCaption) + " --sdf " + std::to_string(rs::kAmountDueId) + " --first");
  ASSERT_EQ(stub.exit, 0u) << stub.text;
  const std::string dir = PrepareLumoDir(
      "inspect-check",
      std::string("[WINDOW]\r\nCaption=") + kCaption +
          "\r\nOnShow=\"DISPLAY=~\xD3\xA6\xCA\xD5 <%1001%>\" & SPEAK=<%1001%>\xD4\xAA\xD5\xFB "
          "& DISPLAY=^<%1002%>\r\nOnClose=DISPLAY=~bye\r\n"
          "[TIMER]\r\nEnable=1\r\nInterval=200\r\nActions=1\r\n" +
          stub.text);
  const Output check = Inspect("--check", dir);
  EXPECT_EQ(check.exit, 0u) << check.text;
  EXPECT_PRED2(Has, check.text, "  read     [WINDOW] Caption = 收银台\n");  // GBK read
  WriteFile(dir + "bad.sdf", "[TIMER]\r\nActions=1\r\n[RECT]\r\n0=1;2;3;4\r\n");
  const Output bad = Inspect("--check bad.sdf", dir);
  EXPECT_EQ(bad.exit, 1u);
  EXPECT_PRED2(Has, bad.text, "LoadTimerDefinition FAILED: [RECT] 0=1;2;3;4");

  // Lumo.exe attaches to the same window and sends its picture, shown in the stand-in's
  // announcer window.
  SetEnvironmentVariableA("LUMO_ANNOUNCER_WINDOW", "1");
  LumoRun run = StartLumo(dir);
  SetEnvironmentVariableA("LUMO_ANNOUNCER_WINDOW", nullptr);
  ASSERT_NE(run.main, nullptr);
  HWND view = nullptr;
  // Wine's tray window, shown for Lumo's icon, can take the foreground from the register.
  // The window shows a call some time after it is recorded: line 2 comes last.
  ASSERT_TRUE(WaitUntil([&] {
    SetForegroundWindow(sim.window);
    view = WindowOf(run.process.Id(), "LumoAnnouncerView", false, 0ms);
    return view != nullptr && run.record.Calls().size() >= 5 &&
           !TextOf(GetDlgItem(view, cts4r::kViewLine2Id)).empty();
  }));
  const AnnouncerCall draw = run.record.Calls()[4];
  EXPECT_EQ(draw.Name, "DrawImage");
  const std::string preview = ReadFile(dir + "preview.bmp");
  EXPECT_EQ(preview.size(), kBmpFileBytes);
  EXPECT_EQ(preview, ReadFile(draw.CopyPath));
  // "应收 12.50", "12.50", "语音: 12.50元整": both lines, the speech, and the picture at
  // twice its size, with its braille text beside the driver's copy.
  EXPECT_EQ(TextOf(GetDlgItem(view, cts4r::kViewLine1Id)), L"\u5E94\u6536 12.50");
  EXPECT_EQ(TextOf(GetDlgItem(view, cts4r::kViewLine2Id)), L"12.50");
  EXPECT_EQ(TextOf(GetDlgItem(view, cts4r::kViewSpokenId)), L"\u8BED\u97F3: 12.50\u5143\u6574");
  EXPECT_NE(GetForegroundWindow(), view);
  const std::vector<std::string> rows = BitmapRows(draw.CopyPath);
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kDisplayHeight));
  ASSERT_EQ(rows[0].size(), static_cast<std::size_t>(kDisplayWidth));
  ASSERT_TRUE(std::ranges::any_of(rows, [](auto& row) { return row.find('#') != row.npos; }));
  const auto black = [&rows](int x, int y) { return rows[y][x] == '#'; };
  EXPECT_EQ(ReadFile(draw.CopyPath.substr(0, draw.CopyPath.size() - 4) + ".txt"),
            BraillePicture(kDisplayWidth, kDisplayHeight, black));
  Sleep(300);     // painted
  int views = 0;  // after Cls, PrintText, SoundOut and DrawImage: still the one window
  for (HWND other = nullptr; (other = FindWindowExW(nullptr, other, cts4r::kViewClass, nullptr));) {
    DWORD owner = 0;
    views += GetWindowThreadProcessId(other, &owner) != 0 && owner == run.process.Id();
  }
  EXPECT_EQ(views, 1);
  const std::vector<std::string> shown = Screenshot(view, "announcer-window");
  int wrong = 0;  // screen pixels of the zoomed display that differ from the picture's
  for (int y = 0; y < kDisplayHeight * cts4r::kViewZoom; ++y) {
    for (int x = 0; x < kDisplayWidth * cts4r::kViewZoom; ++x) {
      wrong += (shown[cts4r::kViewPictureY + y][cts4r::kViewPictureX + x] == '#') !=
               black(x / cts4r::kViewZoom, y / cts4r::kViewZoom);
    }
  }
  EXPECT_EQ(wrong, 0);

  // The window closes: what Lumo sent is what the dry run printed.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return SentCalls(run.record).ends_with("(1, 1, \"bye\")\n"); }));
  EXPECT_EQ(DryRunCalls(check.text), SentCalls(run.record));

  // A hung register: its title read costs the one bounded wait, then a clear message.
  RegisterSim hung = StartRegisterSim();
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(hung.window, rs::kHangMessage, 0, 0, SMTO_NORMAL, 200, &ignored);
  const Output slow = Inspect(kCaption);
  EXPECT_EQ(slow.exit, 1u);
  EXPECT_PRED2(Has, slow.text, "\"\" (did not answer within 1 s: is the program hung?)");
  EXPECT_LT(slow.ms, none.ms + 2000);
}

// The exit code of lumo-inspect.exe writing into a pipe that nobody reads any more.
DWORD ExitCodeIntoClosedPipe(const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION info{};
  std::string line = "\"" + BinDir() + "lumo-inspect.exe\" " + arguments;
  DWORD code = STILL_ACTIVE;
  if (CreatePipe(&read, &startup.hStdOutput, &inherit, 0) && CloseHandle(read) &&
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &info)) {
    WaitForSingleObject(info.hProcess, 20000);
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  CloseHandle(startup.hStdOutput);
  return code;
}

// An integrator's hand-written Lumo.sdf with the mistakes that read nothing: a region over a
// label's grey and a field's white, a second [RECT] section, references into the panel and
// to no control, and close commands that read the gone window; with a hotkey beside it.
TEST(LumoInspect, CheckSaysWhatReadsNothing) {
  RegisterSim sim = StartRegisterSim("--title CheckStory --text 1001=1,234.50");
  SetForegroundWindow(sim.window);
  RECT window{};
  POINT client{0, 0};
  GetWindowRect(sim.window, &window);
  ClientToScreen(sim.window, &client);
  // The first row: the label "应付金额:" on the window's grey, and the white amount field.
  const int left = client.x - window.left;
  const int top = client.y - window.top + 12;
  const std::string region = std::to_string(left) + "," + std::to_string(top) + "," +
                             std::to_string(left + 332) + "," + std::to_string(top + 32);
  const std::string dir = PrepareLumoDir(
      "inspect-story",
      "[WINDOW]\r\nCaption=CheckStory\r\nOnShow=\"DISPLAY=~\xD3\xA6\xCA\xD5 <%1004%>\" & "
      "SPEAK=<%1001%>\xD4\xAA\xD5\xFB & DISPLAY=^<%9999%>\r\nOnClose=DISPLAY=~<%1001%>\r\n"
      "[TIMER]\r\nEnable=1\r\nActions=2\r\n[TIMER.ACTION1]\r\nBMP_RECT=1\r\n[RECT]\r\n1=" +
          region + "\r\n[TIMER.ACTION2]\r\nBMP_RECT=2\r\n[RECT]\r\n2=" + region + "\r\n");
  auto hotkey = std::make_shared<HotkeyDefinition>();
  *hotkey = {KeyNameIndex("F7"),     true, true, false, false, "amount", 0,
             "Display=~%2^SPEAK=%2", true};
  WinFileSystem files;
  SaveHotkeys({hotkey}, files, WinCodePage(), dir + "Lumo.hkd");

  const Output check = Inspect("--check", dir);
  WriteFile(dir + "check-output.txt", check.text);  // for a person to read
  EXPECT_EQ(check.exit, 0u) << check.text;
  for (const char* part :
       {"[RECT] heads 2 sections, at lines 10 and 14: Lumo reads only the first, at line 10",
        "  ! <%1004%> reads empty: control 1004 lies inside %3, and <%ID%> reaches only",
        "A hotkey command reaches it as %5",
        "  ! <%9999%> reads empty: the window has no control 9999",
        "  SoundOut(\"1234.50元整\")\n  PrintText(1, 2, \"\")\n",
        "  PrintText(1, 1, \"\")\n  ! <%1001%> reads empty: the window has gone",
        "  ! TIMER.ACTION1 spans two backgrounds: Lumo takes 0x",
        "Hotkey Ctrl+Alt+F7 \"amount\", command \"Display=~%2^SPEAK=%2\":\n  Cls(0)\n  wait "
        "100 ms\n  PrintText(1, 1, \"1,234.50\")\n  SoundOut(\"1,234.50\")\n"}) {
    EXPECT_PRED2(Has, check.text, part);
  }

  // The same file saved as UTF-8: said so, and a failure.
  WriteFile(dir + "utf8.sdf", "\xEF\xBB\xBF[WINDOW]\r\nCaption=\xE6\x94\xB6\xE9\x93\xB6\r\n");
  const Output utf8 = Inspect("--check utf8.sdf", dir);
  EXPECT_EQ(utf8.exit, 1u);
  EXPECT_PRED2(Has, utf8.text, "This file is saved as UTF-8, but Lumo reads it");
  // Output that cannot be written ends in a failure.
  EXPECT_EQ(ExitCodeIntoClosedPipe("--help"), 1u);
}

}  // namespace
}  // namespace lumo::test
