// The decisions of lumo-inspect: read or default, what a check reports, which window is
// the register window, and the stub for a control.
#include <gtest/gtest.h>

#include "fake_profile_reader.h"
#include "inspect/check_report.h"
#include "inspect/control_listing.h"
#include "inspect/window_choice.h"

namespace lumo {
namespace {

// Whether text holds part, with the whole text shown when it does not.
testing::AssertionResult Holds(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos ? testing::AssertionSuccess()
                                              : testing::AssertionFailure()
                                                    << "no \"" << part << "\" in:\n"
                                                    << text;
}

TEST(CheckScreenDefinition, ReportsEveryReadTheModelAndTheStepThatFailed) {
  const struct {
    const char* file;
    bool loaded;
    std::vector<std::string> shown;
  } cases[] = {
      {"[WINDOW]\nCaption=POS\nOnClose=\nOnShow=SPEAK=a1&DISPLAY=^b&x&DISPLAY=<%7%>&DISPLAY=c\n"
       "[TIMER]\nEnable=True\nInterval=250\nActions=1\n[TIMER.ACTION1]\nS_X=200\nPROMPT=P\nP_Y=3\n"
       "[RECT]\n0=10,5,70,25",
       true,
       {"  read     [WINDOW] Caption = POS\n", "  read     [WINDOW] OnClose = (empty)\n",
        "  read     [TIMER] Enable = True\n", "  default  [TIMER] ShowLasting\n",
        "OnShow: 5 entries\n    1. speech", "2. display line 2\n       \"^b\"", "3. does nothing",
        "4. display: line 1 or 2 only if the control's text", "5. display, but without ~ or ^",
        "OnClose: 0 entries", "capture timer: off, every 250 ms\n  advertisement after 120",
        "region 10,5,70,25 (60 x 20) drawn 48 x 16 at (200, 0), partly outside",
        "\n    prompt \"P\" at (0, 3)\n"}},
      {"[WINDOW]\nOnClose=SPEAK=1\n[TIMER]\nActions=4\n[TIMER.ACTION1]\nBMP_RECT=1\n"
       "[TIMER.ACTION3]\nBMP_RECT=3\n[TIMER.ACTION4]\nBMP_RECT=2\n[RECT]\n1=0,0,0,0\n"
       "3=5,1,5,9\n2=1,2,3",
       false,
       {"  Caption \"\": matches no window\n", "LoadWindowDefinition: loaded\n",
        "  read     [RECT] 1 = 0,0,0,0\n", "  default  [TIMER.ACTION2] BMP_RECT\n",
        "  default  [RECT] 0 = 0,0,0,0\n",
        "LoadTimerDefinition FAILED: [RECT] 2=1,2,3 (named by [TIMER.ACTION4] BMP_RECT)",
        "What stays stored:\n  capture timer: off, every 1000 ms", "OnClose: 1 entry\n",
        "TIMER.ACTION2: region 0,0,0,0 (0 x 0): no positive width and height",
        "TIMER.ACTION3: region 5,1,5,9 (0 x 8): no positive width and height"}},
      {"[TIMER]\nActions=1\n[TIMER.ACTION1]\nBMP_RECT=1\n[RECT]\n"
       "1=-2147483648,-2147483648,2147483647,2147483647",
       true,
       {"(4294967295 x 4294967295) drawn 16 x 16 at (0, 0), too large to copy"}},
  };
  for (const auto& [file, loaded, shown] : cases) {
    const CheckOutcome outcome = CheckScreenDefinition(test::FakeProfileReader(file));
    EXPECT_EQ(outcome.Loaded, loaded) << outcome.Report;
    for (const std::string& text : shown) {
      EXPECT_TRUE(Holds(outcome.Report, text));
    }
    EXPECT_FALSE(Holds(outcome.Report, "TIMER.ACTION4:"));
  }
}

TEST(ChooseRegisterWindow, OnlyASingleMatchIsTheRegisterWindow) {
  const std::vector<TitledWindow> windows = {
      {1, "POS - till 1", true}, {2, "", false}, {3, "POS - till 2", true}};
  const WindowChoice one = ChooseRegisterWindow(windows, "till 2");
  EXPECT_EQ(one.Chosen, 3u);
  EXPECT_EQ(one.Window, &windows[2]);
  EXPECT_TRUE(Holds(ChooseRegisterWindow(windows, "x").Message,
                    " Visible windows:\n  \"POS - till 1\"\n  \"\" (did not answer within 1 s"));
  const WindowChoice two = ChooseRegisterWindow(windows, "POS");
  EXPECT_EQ(two.Window, nullptr);
  EXPECT_TRUE(Holds(two.Message,
                    "2 windows have a title that contains \"POS\"; Lumo would take "
                    "whichever is in front. A longer caption tells them apart:\n  "
                    "\"POS - till 1\"\n  \"POS - till 2\"\n"));
}

TEST(SdfStub, CopiesTheClientAreaAndSaysWhichReferenceReachesTheControl) {
  ControlRow control{.Number = 5,
                     .Parent = 3,
                     .Id = 1004,
                     .Class = "Edit",
                     .Text = "",
                     .Rect = {},
                     .Inside = {116, 83, 336, 107}};
  for (const char* text :
       {"1004 (Edit, %5), client area: 220 x 24 pixels, drawn 146 x 16 at",
        "inside %3: <%1004%> does not reach it; in a hotkey command, %5", "Actions=2 or more",
        "\n[TIMER.ACTION2]\nPROMPT=\nP_X=0\nP_Y=0\nS_X=0\nS_Y=0\nBMP_RECT=2\n[RECT]\n"
        "2=116,83,336,107\n"}) {
    EXPECT_TRUE(Holds(SdfStub(control, 2, true), text));
  }
  control.Parent = 0;
  EXPECT_TRUE(Holds(SdfStub(control, 2, true), "its text is <%1004%>; in a hotkey command, %5.\n"));
  // Another stub, appended, leaves the first [RECT] section the only one.
  EXPECT_TRUE(SdfStub(control, 2, false)
                  .ends_with("BMP_RECT=2\n; Lumo reads only the first [RECT] section: move the "
                             "next line into it, without the ';'.\n;2=116,83,336,107\n"));
}

TEST(FormatListing, SaysWhatEachReferenceReadsOfARow) {
  const ControlRow row{.Number = 12,
                       .Parent = 3,
                       .Class = "",
                       .Text = std::string(31, '9'),
                       .Rect = {},
                       .Inside = {}};
  std::vector<ControlRow> rows = {row, row, row, row};
  rows[1].Text += "9";
  rows[2].Read = TextRead::NoAnswer;
  rows[3].Read = TextRead::Skipped;
  const std::string listing = FormatListing(WindowRow{}, rows);
  for (const std::string& text :
       {std::string("   12   3      0  no  "), row.Text + "\"\n",
        rows[1].Text + "\" (%n: first 31 bytes)\n", std::string("  (no answer within 1 s)\n"),
        std::string("  (not read: the window stopped answering)\n")}) {
    EXPECT_TRUE(Holds(listing, text));
  }
}

}  // namespace
}  // namespace lumo
