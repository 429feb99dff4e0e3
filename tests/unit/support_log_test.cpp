#include "supportlog/support_log.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "fakes/machine.h"
#include "support/iconv_code_page.h"
#include "supportlog/capture_summary.h"
#include "supportlog/logged_calls.h"

namespace lumo {
namespace {

constexpr char kLog[] = "C:\\Pos\\Lumo.log";
constexpr char kFallback[] = "C:\\Users\\till\\AppData\\Local\\Lumo\\Lumo.log";
const std::string kBom = "\xEF\xBB\xBF";

// Log files in memory; a path in refused cannot be opened, one in full takes no more bytes.
class MemoryLogStorage : public LogStorage {
 public:
  std::map<std::string, std::string> files;
  std::set<std::string> refused;
  std::set<std::string> full;
  int opens = 0;

  std::unique_ptr<LogFile> Open(const std::string& path, bool fresh) override {
    ++opens;
    if (refused.count(path)) {
      return nullptr;
    }
    if (fresh) {
      files[path].clear();
    }
    return std::make_unique<File>(*this, path);
  }
  bool Replace(const std::string& from, const std::string& to) override {
    files[to] = files[from];
    files.erase(from);
    return true;
  }

 private:
  class File : public LogFile {
   public:
    File(MemoryLogStorage& storage, std::string path) : storage_(storage), path_(std::move(path)) {}
    std::uint64_t Size() const override { return storage_.files[path_].size(); }
    bool Append(std::string_view bytes) override {
      if (storage_.full.count(path_)) {
        return false;
      }
      storage_.files[path_] += bytes;
      return true;
    }

   private:
    MemoryLogStorage& storage_;
    std::string path_;
  };
};

// The stamp is the number of times set so far; each one turns into the time set then.
class FixedClock : public LogClock {
 public:
  LocalTime now{2026, 12, 8, 14, 5, 3, 127};
  std::uint64_t Stamp() const override {
    times.push_back(now);
    return times.size() - 1;
  }
  LocalTime Local(std::uint64_t stamp) const override { return times.at(stamp); }

 private:
  mutable std::vector<LocalTime> times;
};

struct LogFixture {
  MemoryLogStorage storage;
  FixedClock clock;
  test::IconvCodePage code_page;
  SupportLog log;
  explicit LogFixture(std::uint64_t limit = kLogLimitBytes)
      : log(storage, clock, code_page, {kLog, kFallback}, limit) {}
};

TEST(SupportLog, OneLinePerEventWithTimeEventAndUtf8Details) {
  struct Case {
    LocalTime time;
    const char* event;
    std::string details;  // ANSI (GBK)
    std::string line;
  };
  const Case cases[] = {
      {{2026, 12, 8, 14, 5, 3, 127},
       "start",
       "Lumo 1.0.0",
       "2026-12-08 14:05:03.127 start Lumo 1.0.0"},
      {{2027, 1, 2, 3, 4, 5, 6}, "end", "", "2027-01-02 03:04:05.006 end"},
      {{2026, 12, 31, 23, 59, 59, 999},
       "register",
       "found \"\xCA\xD5\xD2\xF8\xCC\xA8 - 1\"",
       "2026-12-31 23:59:59.999 register found \"收银台 - 1\""},
      {{2026, 1, 1, 0, 0, 0, 0},
       "box",
       "C:\\Lumo.sdf\r\nno [WINDOW]\nsection\tend\x7F",
       "2026-01-01 00:00:00.000 box C:\\Lumo.sdf | no [WINDOW] | section end "},
  };
  for (const Case& c : cases) {
    LogFixture fixture;
    fixture.clock.now = c.time;
    fixture.log.Write(c.event, c.details);
    fixture.log.Flush();
    EXPECT_EQ(fixture.storage.files[kLog], kBom + c.line + "\r\n") << c.line;
  }
}

TEST(SupportLog, LinesWaitInMemoryUntilFlushAndAppendAfterWhatIsThere) {
  LogFixture fixture;
  fixture.storage.files[kLog] = kBom + "old\r\n";
  fixture.log.Write("start", "a");
  fixture.clock.now.Millisecond = 128;  // the time of the event, not of the flush
  EXPECT_EQ(fixture.storage.opens, 0);
  fixture.log.Flush();
  EXPECT_EQ(fixture.storage.files[kLog], kBom + "old\r\n2026-12-08 14:05:03.127 start a\r\n");
  EXPECT_EQ(fixture.log.Path(), kLog);
}

TEST(SupportLog, RollsOverAtTheLimitKeepingOneOldFile) {
  const std::string line = "2026-12-08 14:05:03.127 call 0123456789\r\n";  // 41 bytes
  LogFixture fixture(kBom.size() + 2 * line.size());
  for (int i = 0; i < 5; ++i) {
    fixture.log.Write("call", "0123456789");
  }
  fixture.log.Flush();
  // Two lines fill the file; the third starts a new one, the fifth a third, and only the
  // one before the current is kept.
  EXPECT_EQ(fixture.storage.files[kLog], kBom + line);
  EXPECT_EQ(fixture.storage.files[std::string(kLog) + ".1"], kBom + line + line);
  EXPECT_EQ(fixture.storage.files.size(), 2u);
}

TEST(SupportLog, FallsBackOnceThenKeepsNothing) {
  // Beside the program cannot be opened (a folder without write access, a file held without
  // sharing), or it is opened but the disk is full: the line goes to the fallback.
  for (const bool opens : {false, true}) {
    LogFixture fixture;
    (opens ? fixture.storage.full : fixture.storage.refused) = {kLog};
    fixture.log.Write("start", "");
    fixture.log.Flush();
    EXPECT_EQ(fixture.log.Path(), kFallback);
    EXPECT_EQ(fixture.storage.files[kFallback], kBom + "2026-12-08 14:05:03.127 start\r\n");
  }
  LogFixture fixture;
  fixture.storage.refused = {kLog, kFallback};
  fixture.log.Write("start", "");
  fixture.log.Flush();
  fixture.log.Write("end", "");
  fixture.log.Flush();
  EXPECT_EQ(fixture.storage.opens, 2);
  EXPECT_EQ(fixture.log.Path(), "");
}

TEST(SupportLog, AnnouncerCallsWithResultsAndUnansweredReads) {
  LogFixture fixture;
  test::RecordingAnnouncer driver;
  LoggingAnnouncer announcer(driver, fixture.log);
  EXPECT_EQ(announcer.PrintText(1, 2, "\xB8\xB6"), 1);
  driver.result = 0;
  EXPECT_EQ(announcer.SoundOut("12.50"), 0);
  const AnnouncerRect whole{0, 0, 239, 35};
  announcer.DrawImage(0, 0, "ad\\a.bmp", &whole);
  announcer.Cls(0);
  test::FakeWindowTexts register_texts;
  register_texts.descendants = {"8.00"};
  LoggingWindowTexts texts(register_texts, fixture.log);
  EXPECT_EQ(texts.Text(1, 64), "8.00");
  register_texts.hung = true;
  EXPECT_EQ(texts.Text(1, 64), "");
  fixture.log.Flush();
  EXPECT_EQ(driver.calls,
            (std::vector<std::string>{"PrintText 1 2 '\xB8\xB6'", "SoundOut '12.50'",
                                      "DrawImage 0,0 ad\\a.bmp 0,0,239,35", "Cls 0"}));
  const std::string at = "2026-12-08 14:05:03.127 ";
  EXPECT_EQ(
      fixture.storage.files[kLog],
      kBom + at + "call PrintText(1, 2, \"付\") = 1\r\n" + at +
          "call SoundOut(\"12.50\") = 0 FAILED\r\n" + at +
          "call DrawImage(0, 0, \"ad\\a.bmp\", {0, 0, 239, 35}) = 0 FAILED\r\n" + at +
          "call Cls(0) = 0 FAILED\r\n" + at +
          "timeout window 0x1 of the register did not answer WM_GETTEXT in time: it hangs\r\n");
}

TEST(CaptureSummary, FirstPictureAfterAttachingThenOneLineAMinute) {
  LogFixture fixture;
  CaptureSummary summary(fixture.log, 60000);
  CaptureCounts counts;
  std::uint64_t now = 1000;
  // The first tick after attaching sends a picture; 599 unchanged ticks follow.
  counts.Pictures = 1;
  summary.AfterTick(now, 0x100, counts);
  for (int i = 0; i < 599; ++i) {
    ++counts.Unchanged;
    summary.AfterTick(now += 100, 0x100, counts);
  }
  ++counts.Advertisements;
  summary.AfterTick(now += 100, 0x100, counts);  // 60 s after the first tick
  // Attached again: its first picture is noted; after its minute, a quiet one writes nothing.
  ++counts.Pictures;
  summary.AfterTick(now += 100, 0x200, counts);
  summary.AfterTick(now += 60000, 0x200, counts);
  summary.AfterTick(now += 60000, 0x200, counts);
  fixture.log.Flush();
  const std::string at = "2026-12-08 14:05:03.127 capture ";
  EXPECT_EQ(fixture.storage.files[kLog],
            kBom + at + "first picture sent after attaching\r\n" + at +
                "1 pictures sent, 599 unchanged ticks, 1 advertisements shown in 60 s\r\n" + at +
                "first picture sent after attaching\r\n" + at +
                "1 pictures sent, 0 unchanged ticks, 0 advertisements shown in 60 s\r\n");
}

}  // namespace
}  // namespace lumo
