// Time from a hotkey's command starting to run to its first announcer call, the delay the
// cashier notices. The register's texts come from memory, so the figure is Lumo's own part.
// Beside the plain run, the run as Lumo.exe makes it: the key press and the command noted in
// the support log, the calls through its wrappers; the log reaches its file between runs.
#include <benchmark/benchmark.h>

#include <chrono>

#include "announcer/command_execution.h"
#include "bench_log.h"
#include "supportlog/logged_calls.h"

namespace lumo {
namespace {

using Clock = std::chrono::steady_clock;

class BenchTexts : public WindowTexts {
 public:
  WindowHandle DialogItem(WindowHandle, std::int32_t id) override { return id; }
  std::string Text(WindowHandle, std::size_t) override { return "12.50"; }
  WindowHandle NthDescendant(WindowHandle, std::int32_t n) override { return n; }
};

// Notes when the first call of a run came; the wait after a clear costs nothing here.
class FirstCallAnnouncer : public Announcer, public Sleeper {
 public:
  std::int32_t Cls(std::int32_t) override { return Seen(); }
  std::int32_t PrintText(std::int32_t, std::int32_t, const std::string&) override { return Seen(); }
  std::int32_t SoundOut(const std::string&) override { return Seen(); }
  std::int32_t DrawImage(std::int32_t, std::int32_t, const std::string&,
                         const AnnouncerRect*) override {
    return Seen();
  }
  void Sleep(std::uint32_t) override {}

  Clock::time_point first;
  bool seen = false;

 private:
  std::int32_t Seen() {
    if (!seen) {
      first = Clock::now();
      seen = true;
    }
    return 1;
  }
};

constexpr char kParameter[] = "Display=~%2^Speak=%3";

void BM_HotkeyToFirstCall(benchmark::State& state) {
  BenchTexts texts;
  FirstCallAnnouncer announcer;
  const CommandContext context{1, texts, announcer, announcer};
  for (auto _ : state) {
    announcer.seen = false;
    const Clock::time_point start = Clock::now();
    RunHotkeyCommand(context, kParameter);
    state.SetIterationTime(std::chrono::duration<double>(announcer.first - start).count());
  }
}

void BM_HotkeyToFirstCallLogged(benchmark::State& state) {
  BenchTexts register_texts;
  FirstCallAnnouncer driver;
  SupportLog& log = BenchLog();
  LoggingAnnouncer announcer(driver, log);
  LoggingWindowTexts texts(register_texts, log);
  const CommandContext context{1, texts, announcer, driver};
  for (auto _ : state) {
    driver.seen = false;
    const Clock::time_point start = Clock::now();
    log.Write("hotkey", "pressed #0 Ctrl+Alt+F7 \"Price\"");
    log.Write("command", std::string("hotkey command \"") + kParameter + "\"");
    RunHotkeyCommand(context, kParameter);
    state.SetIterationTime(std::chrono::duration<double>(driver.first - start).count());
    log.Flush();
  }
}

BENCHMARK(BM_HotkeyToFirstCall)->UseManualTime();
BENCHMARK(BM_HotkeyToFirstCallLogged)->UseManualTime();

}  // namespace
}  // namespace lumo
