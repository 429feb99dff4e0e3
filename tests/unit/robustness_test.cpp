// A hung register costs one wait per command run, and a hotkey file that could not be read
// at start-up is replaced at close only by changes the user applied, after a copy.
#include <gtest/gtest.h>

#include "announcer/command_execution.h"
#include "common/errors.h"
#include "fakes/command_fixture.h"
#include "hotkeys/hotkey_file.h"
#include "hotkeys/hotkey_store.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {
namespace {

using Calls = std::vector<std::string>;

// A register whose every read waits in vain while it hangs.
class HangingTexts : public test::FakeWindowTexts {
 public:
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t size) override {
    ++waits;
    return hung ? std::nullopt : std::optional<std::string>(Text(window, size));
  }
  bool hung = true;
  int waits = 0;
};

TEST(HungRegister, EachCommandRunWaitsOnceAndReadsTheRestAsEmpty) {
  HangingTexts texts;
  test::RecordingAnnouncer announcer;
  texts.descendants = {"t1", "t2", "t3"};
  texts.controls[1001] = "c";
  const CommandContext context{test::kRegister, texts, announcer, announcer};
  const TLumoAction entry(kSpeakAction, "<%1001%><%1001%>");
  const std::string command = "Display=~%1^Speak=%2^Speak=%3";

  RunHotkeyCommand(context, command);
  RunHotkeyCommand(context, command);  // the next run asks again
  RunActionList(context, &entry);
  EXPECT_EQ(texts.waits, 3);
  const Calls hung = {"Cls 0", "Sleep 100", "PrintText 1 1 ''", "SoundOut ''", "SoundOut ''"};
  Calls expected = hung;
  expected.insert(expected.end(), hung.begin(), hung.end());
  expected.push_back("SoundOut ''");
  EXPECT_EQ(announcer.calls, expected);

  texts.hung = false;
  announcer.calls.clear();
  RunHotkeyCommand(context, command);
  EXPECT_EQ(texts.waits, 6);
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 't1'", "SoundOut 't2'", "SoundOut 't3'"}));
}

TEST(UnreadHotkeyFile, IsReplacedAtCloseOnlyByAppliedChangesAndAfterACopy) {
  const std::string path = "C:\\Pos\\Lumo.hkd";
  const std::string backup = path + ".bak";
  // held: open elsewhere at start-up, so no copy could be made then; else damaged.
  for (const auto& [held, changed] :
       {std::pair{false, false}, {false, true}, {true, false}, {true, true}}) {
    SCOPED_TRACE(testing::Message() << "held " << held << ", changed " << changed);
    test::MemoryFiles files;
    test::IconvCodePage code_page;
    SaveHotkeys({std::make_shared<HotkeyRec>(), std::make_shared<HotkeyRec>()}, files, code_page,
                path);
    std::string& old = files.contents[path];
    if (held) {
      files.open_errors[path] = "The process cannot access the file";
      files.fail_copy = true;
    } else {
      old.pop_back();  // no end of the list
    }
    const std::string old_bytes = old;
    HotkeyStore store(files, code_page, path);
    HotkeyList list;
    EXPECT_THROW(store.Load(list), FileError);
    files.open_errors.clear();
    files.fail_copy = false;
    if (changed && held) {
      list.push_back(std::make_shared<HotkeyRec>());
    } else if (changed) {
      list[1]->Description = "applied";  // as many definitions, another content
    }

    const std::optional<std::string> notice = store.Save(list);
    SaveHotkeys(list, files, code_page, "new");
    EXPECT_EQ(files.contents.at(path), changed ? files.contents.at("new") : old_bytes);
    EXPECT_EQ(files.contents.count(backup) ? files.contents.at(backup) : "none",
              held && !changed ? "none" : old_bytes);
    EXPECT_EQ(notice.value_or("none"), held && changed
                                           ? "The hotkey file \"" + path +
                                                 "\" could not be read at start-up. A copy "
                                                 "of it was kept as \"" +
                                                 backup + "\" before it was replaced."
                                           : "none");
  }
}

}  // namespace
}  // namespace lumo
