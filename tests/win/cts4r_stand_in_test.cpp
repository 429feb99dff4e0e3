// The stand-in announcer driver, called through the program's own binding, and its record.
#include <gtest/gtest.h>

#include "platform/cts4r_announcer.h"
#include "support/announcer_record.h"
#include "support/process.h"

namespace lumo {
namespace {

using test::AnnouncerCall;
using test::AnnouncerRecord;

// Points this process's driver at a fresh record for the test's lifetime.
class Cts4rStandInTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::MakeProgramDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    record_ = std::make_unique<AnnouncerRecord>(dir_ + "announcer.log");
    SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", record_->Path().c_str());
  }
  void TearDown() override { SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", nullptr); }

  // Lines of the record with their times cut off.
  std::vector<std::string> RawLinesWithoutTime() {
    std::vector<std::string> lines;
    std::string content = test::ReadFile(record_->Path());
    std::size_t start = 0;
    for (std::size_t end = content.find('\n'); end != std::string::npos;
         end = content.find('\n', start)) {
      std::string line = content.substr(start, end - start);
      lines.push_back(line.substr(line.find(' ') + 1));
      start = end + 1;
    }
    return lines;
  }

  std::string dir_;
  std::unique_ptr<AnnouncerRecord> record_;
  Cts4rAnnouncer driver;
};

TEST_F(Cts4rStandInTest, RecordsEveryCallInOrderWithEscapedTexts) {
  const std::string awkward = "A \"q\" \\ ~\x7f\x01\xD4\xAA";
  driver.Cls(0);
  driver.PrintText(1, 2, awkward);
  driver.SoundOut("");
  driver.PrintText(-1, 2147483647, "plain text");
  EXPECT_EQ(RawLinesWithoutTime(),
            (std::vector<std::string>{"Cls 0",
                                      "PrintText 1 2 \"A \\x22q\\x22 \\x5c ~\\x7f\\x01\\xd4\\xaa\"",
                                      "SoundOut \"\"", "PrintText -1 2147483647 \"plain text\""}));
  const std::vector<AnnouncerCall> calls = record_->Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[1].Text, awkward);
  EXPECT_EQ(calls[1].Numbers, (std::vector<std::int64_t>{1, 2}));
  for (std::size_t i = 1; i < calls.size(); ++i) {
    EXPECT_LE(calls[i - 1].Ms, calls[i].Ms);
  }
}

TEST_F(Cts4rStandInTest, DrawImageKeepsACopyOfEachBitmap) {
  const std::string first = dir_ + "tmp.bmp";
  const std::string second = dir_ + "ad picture (2).bmp";
  test::WriteFile(first, std::string("BM first picture\0\x01", 19));
  test::WriteFile(second, "BM second picture");
  const AnnouncerRect whole{0, 0, 239, 35};
  driver.DrawImage(0, 0, first, nullptr);
  driver.DrawImage(0, 0, second, &whole);
  test::WriteFile(first, "BM changed");
  driver.DrawImage(0, 0, first, nullptr);
  driver.DrawImage(0, 0, dir_ + "missing.bmp", nullptr);

  const std::vector<AnnouncerCall> calls = record_->Calls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(test::Summary(calls[0]), "DrawImage 0 0 " + first + " null");
  EXPECT_EQ(test::Summary(calls[1]), "DrawImage 0 0 " + second + " 0,0,239,35");
  EXPECT_EQ(test::ReadFile(record_->CopyPath(calls[0])), std::string("BM first picture\0\x01", 19));
  EXPECT_EQ(test::ReadFile(record_->CopyPath(calls[1])), "BM second picture");
  EXPECT_EQ(test::ReadFile(record_->CopyPath(calls[2])), "BM changed");
  EXPECT_NE(calls[0].CopyName, calls[2].CopyName);
  EXPECT_EQ(calls[0].CopyName.rfind("announcer.log.", 0), 0u) << calls[0].CopyName;
  // Nothing to copy: the call is still recorded.
  EXPECT_EQ(calls[3].CopyName, "");
}

TEST_F(Cts4rStandInTest, WithoutTheVariableTheRecordLiesBesideTheDll) {
  SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", nullptr);
  test::CopyFromBin(dir_, {"cts4r.dll"});
  HMODULE copy = LoadLibraryA((dir_ + "cts4r.dll").c_str());
  ASSERT_NE(copy, nullptr);
  char loaded[MAX_PATH] = {};
  GetModuleFileNameA(copy, loaded, MAX_PATH);
  auto sound_out = reinterpret_cast<int(__stdcall*)(const char*)>(
      reinterpret_cast<void*>(GetProcAddress(copy, "SoundOut")));
  ASSERT_NE(sound_out, nullptr);
  if (std::string(loaded) == dir_ + "cts4r.dll") {
    sound_out("beside");
    FreeLibrary(copy);
    const std::vector<AnnouncerCall> calls = AnnouncerRecord(dir_ + "announcer.log").Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(test::Summary(calls[0]), "SoundOut beside");
  } else {
    FreeLibrary(copy);
    GTEST_SKIP() << "the loader reused " << loaded;
  }
}

TEST(AnnouncerRecordReader, RejectsLinesNotInTheRecordFormat) {
  const auto calls = test::ParseAnnouncerRecord(
      "5 Cls 0\r\n7 DrawImage 0 0 \"C:\\x5ca.bmp\" -1,2,3,4 \"x.bmp\"\n9 SoundOut \"half");
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].Text, "C:\\a.bmp");
  EXPECT_EQ(calls[1].Rect[0], -1);
  EXPECT_EQ(calls[1].CopyName, "x.bmp");
  for (const char* bad : {"5 Cls\n", "x Cls 0\n", "5 Beep 1\n", "5 SoundOut hi\n",
                          "5 PrintText 1 1 \"a\" extra\n", "5 DrawImage 0 0 \"p\" 1,2,3 \"c\"\n"}) {
    EXPECT_THROW(test::ParseAnnouncerRecord(bad), std::runtime_error) << bad;
  }
}

}  // namespace
}  // namespace lumo
