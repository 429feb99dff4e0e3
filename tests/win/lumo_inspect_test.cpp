// lumo-inspect.exe against register-sim.exe, and its dry run against what Lumo.exe sends to
// the recording cts4r.dll for the same window.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "capture/bmp_file.h"
#include "platform/win_code_page.h"
#include "support/announcer_record.h"
#include "support/lumo_program.h"
#include "support/paths.h"
#include "support/process.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

using ::testing::HasSubstr;
namespace rs = register_sim;

constexpr char kCaption[] = "\xCA\xD5\xD2\xF8\xCC\xA8";  // "收银台", GBK

struct Output {
  DWORD exit = STILL_ACTIVE;
  std::string text;  // stdout and stderr, UTF-8 without CRs
  ULONGLONG ms = 0;
};

// Runs exe in dir with its output in a pipe; ended after 20 s.
Output Inspect(const std::string& exe, const std::string& dir, const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  CreatePipe(&read, &write, &inherit, 0);
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = write;
  std::string command = "\"" + exe + "\" " + arguments;
  PROCESS_INFORMATION info{};
  Output out;
  const ULONGLONG start = GetTickCount64();
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                      dir.c_str(), &startup, &info)) {
    ADD_FAILURE() << "cannot start " << command;
    return out;
  }
  CloseHandle(write);
  char buffer[4096];
  for (DWORD available = 0, got = 0;
       PeekNamedPipe(read, nullptr, 0, nullptr, &available, nullptr);) {
    if (available > 0 && ::ReadFile(read, buffer, sizeof buffer, &got, nullptr)) {
      out.text.append(buffer, got);
    } else if (GetTickCount64() - start > 20000) {
      TerminateProcess(info.hProcess, 99);
    } else {
      Sleep(10);
    }
  }
  WaitForSingleObject(info.hProcess, 5000);
  out.ms = GetTickCount64() - start;
  GetExitCodeProcess(info.hProcess, &out.exit);
  for (HANDLE handle : {read, info.hProcess, info.hThread}) {
    CloseHandle(handle);
  }
  std::erase(out.text, '\r');
  return out;
}

Output Inspect(const std::string& arguments) {
  return Inspect(BinDir() + "lumo-inspect.exe", BinDir(), arguments);
}

TEST(LumoInspect, ListsTheDescendantsAsLumoCountsAndReadsThemAndFailsClearlyWithinTheBound) {
  RegisterSim sim = StartRegisterSim();
  const Output listing = Inspect(kCaption);
  EXPECT_EQ(listing.exit, 0u) << listing.text;
  // "   n  in     ID  shown  class  rectangle  text", one row per descendant.
  std::istringstream lines(listing.text);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) {
    int n = 0;
    if (std::istringstream(line) >> n && n == static_cast<int>(rows.size()) + 1) {
      rows.push_back(line);
    }
  }
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(rs::kDescendantCount)) << listing.text;
  for (int n = 1; n <= rs::kDescendantCount; ++n) {
    const int id = rs::kDescendantOrder[n - 1];
    const bool in_panel = id == rs::kMemberLabelId || id == rs::kMemberId;
    std::istringstream row(rows[n - 1]);
    std::string number, parent, shown_id;
    row >> number >> parent >> shown_id;
    EXPECT_EQ(shown_id, std::to_string(id)) << n;
    EXPECT_EQ(parent, in_panel ? "3" : "-") << n;
  }
  EXPECT_THAT(rows[0], HasSubstr("Static  ")) << "the class";
  EXPECT_THAT(rows[0], HasSubstr("  yes  "));
  EXPECT_THAT(rows[0], HasSubstr("\"应付金额:\""));
  // The pattern area, where register-sim puts it in its client area, in whole-window terms.
  RECT window{};
  POINT client{0, 0};
  GetWindowRect(sim.window, &window);
  ClientToScreen(sim.window, &client);
  const int left = client.x - window.left + rs::kPatternX;
  const int top = client.y - window.top + rs::kPatternY;
  EXPECT_THAT(rows[rs::kDescendantCount - 1],
              HasSubstr(std::to_string(left) + "," + std::to_string(top) + "," +
                        std::to_string(left + rs::kPatternWidth) + "," +
                        std::to_string(top + rs::kPatternHeight) + "  "));

  const Output none = Inspect("\"no such window\"");
  EXPECT_EQ(none.exit, 1u);
  EXPECT_THAT(none.text, HasSubstr("No visible window has a title that contains \"no such "
                                   "window\""));
  EXPECT_THAT(none.text, HasSubstr("\n  \"收银台 - 演示\"\n"));

  // A hung register: its title read costs the one bounded wait, then a clear message.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(sim.window, rs::kHangMessage, 0, 0, SMTO_NORMAL, 200, &ignored);
  const Output hung = Inspect(kCaption);
  EXPECT_EQ(hung.exit, 1u);
  EXPECT_THAT(hung.text, HasSubstr("\"\" (did not answer within 1 s: is the program hung?)"));
  EXPECT_LT(hung.ms, none.ms + 2000);
}

// The calls of the dry run's command lists, without the waits between them.
std::vector<std::string> DryRunCalls(const std::string& text) {
  std::vector<std::string> calls;
  const std::size_t from = text.find("Dry run on");
  std::istringstream lines(
      from == std::string::npos ? "" : text.substr(from, text.find("One capture tick:") - from));
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("  ") && !line.starts_with("  wait")) {
      calls.push_back(line.substr(2));
    }
  }
  return calls;
}

// The record's calls in the dry run's words.
std::vector<std::string> SentCalls(const std::vector<AnnouncerCall>& record) {
  std::vector<std::string> calls;
  for (const AnnouncerCall& call : record) {
    std::string text = call.Name + "(";
    for (std::int64_t number : call.Numbers) {
      text += std::to_string(number) + ", ";
    }
    if (call.Name == "Cls") {
      text.resize(text.size() - 2);
    } else {
      text.append("\"").append(WinCodePage().AnsiToUtf8(call.Text)).append("\"");
    }
    if (call.Name != "DrawImage") {
      calls.push_back(text + ")");
    }
  }
  return calls;
}

TEST(LumoInspectCheck, ReportsReadAndDefaultKeysTheFailingStepAndADryRunEqualToLumo) {
  // Before any process that copies its pixels (see wine-notes).
  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  // The file an integrator would write: commands, and the stub for the amount due.
  const Output stub = Inspect(std::string(kCaption) + " --sdf " + std::to_string(rs::kAmountDueId));
  ASSERT_EQ(stub.exit, 0u) << stub.text;
  const std::string dir = PrepareLumoDir(
      "inspect-check",
      std::string("[WINDOW]\r\nCaption=") + kCaption +
          "\r\nOnShow=\"DISPLAY=~\xD3\xA6\xCA\xD5 <%1001%>\" & SPEAK=<%1003%>\xD4\xAA "
          "& DISPLAY=^<%1002%>\r\nOnClose=DISPLAY=~bye\r\n"
          "[TIMER]\r\nEnable=1\r\nInterval=200\r\nActions=1\r\n" +
          stub.text);
  CopyFromBin(dir, {"lumo-inspect.exe"});
  const Output check = Inspect(dir + "lumo-inspect.exe", dir, "--check");
  EXPECT_EQ(check.exit, 0u) << check.text;
  EXPECT_THAT(check.text, HasSubstr("  read     [WINDOW] Caption = 收银台\n"));
  EXPECT_THAT(check.text, HasSubstr("  default  [TIMER] ShowLasting\n"));
  EXPECT_THAT(check.text, HasSubstr("  Cls(0)\n  wait 100 ms\n  PrintText(1, 1, \"应收 12.50\")"));

  WriteFile(dir + "bad.sdf", "[TIMER]\r\nActions=1\r\n[RECT]\r\n0=1;2;3;4\r\n");
  const Output bad = Inspect(dir + "lumo-inspect.exe", dir, "--check bad.sdf");
  EXPECT_EQ(bad.exit, 1u);
  EXPECT_THAT(bad.text, HasSubstr("LoadTimerDefinition FAILED: [RECT] 0=1;2;3;4 (named by "
                                  "[TIMER.ACTION1] BMP_RECT) is not four numbers"));

  // Lumo.exe attaches to the same window, sends its picture, and the window closes.
  LumoRun run = StartInTray(dir);
  ASSERT_NE(run.main, nullptr);
  SetForegroundWindow(sim.window);
  std::vector<AnnouncerCall> calls;
  auto draw = calls.end();
  ASSERT_TRUE(WaitUntil([&] {
    calls = run.record.Calls();
    draw = std::find_if(calls.begin(), calls.end(),
                        [](const auto& c) { return c.Name == "DrawImage"; });
    return SentCalls(calls).size() == 4 && draw != calls.end();
  }));
  const std::string preview = ReadFile(dir + "preview.bmp");
  EXPECT_EQ(preview.size(), kBmpFileBytes);
  EXPECT_EQ(preview, ReadFile(run.record.CopyPath(*draw)));
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return SentCalls(run.record.Calls()).size() == 6; }));
  EXPECT_EQ(DryRunCalls(check.text), SentCalls(run.record.Calls()));
}

}  // namespace
}  // namespace lumo::test
