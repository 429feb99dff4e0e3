// What lumo-inspect says is wrong: regions over two backgrounds, sections read once,
// references that read nothing, a file saved as UTF-8, and stubs safe to append.
#include <gtest/gtest.h>

#include <functional>

#include "inspect/control_listing.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"
#include "inspect/reference_reach.h"
#include "inspect/two_backgrounds.h"

namespace lumo {
namespace {

ColourRegion Region(int width, int height, const std::function<ColourPixel(int, int)>& colour) {
  ColourRegion region;
  region.ResetWhite(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      region.pixels[static_cast<std::size_t>(y * width + x)] = colour(x, y);
    }
  }
  return region;
}

ControlRow Row(int number, int parent, std::int32_t id) {
  ControlRow row;
  row.Number = number;
  row.Parent = parent;
  row.Id = id;
  return row;
}

TEST(FindSecondBackground, WarnsOnlyForAFlatFieldOfInkOverAFifthOfTheRegion) {
  constexpr ColourPixel kGrey = 0xC0C0C0;
  const struct {
    const char* what;
    ColourRegion region;
    std::optional<ColourPixel> other;  // the colour reported, none for no warning
  } cases[] = {
      {"a white field beside a larger grey panel",
       Region(100, 20, [](int x, int) { return x < 60 ? kGrey : kWhitePixel; }), kWhitePixel},
      {"a dark display beside a smaller light field",
       Region(100, 20, [](int x, int) { return x < 30 ? 0xF0F0F0u : 0u; }), 0xF0F0F0},
      {"a field too small to matter (a tenth)",
       Region(100, 20, [](int x, int) { return x < 90 ? kGrey : kWhitePixel; }), std::nullopt},
      {"two shades closer than ink",
       Region(100, 20, [](int x, int) { return x < 50 ? 0xFAFAFAu : kWhitePixel; }), std::nullopt},
      {"half the pixels are text strokes two pixels wide",
       Region(100, 20, [](int x, int) { return x % 4 < 2 ? 0u : kWhitePixel; }), std::nullopt},
      {"plain text on one field",
       Region(100, 20, [](int x, int y) { return (x + y) % 7 == 0 ? 0u : kWhitePixel; }),
       std::nullopt},
  };
  for (const auto& [what, region, other] : cases) {
    const std::optional<SecondBackground> found = FindSecondBackground(region);
    ASSERT_EQ(found.has_value(), other.has_value()) << what;
    if (found) {
      EXPECT_EQ(found->other, *other) << what;
      EXPECT_NE(found->background, *other) << what;
    }
  }
  const SecondBackground grey_and_white = *FindSecondBackground(cases[0].region);
  EXPECT_EQ(grey_and_white.background_percent, 60);
  EXPECT_EQ(grey_and_white.other_flat_percent, 34);  // 38 x 18 of 100 x 20
  EXPECT_NE(SecondBackgroundWarning(grey_and_white)
                .find("Lumo takes 0xC0C0C0 (60 % of the region) as its background, and 0xFFFFFF, "
                      "a flat field over 34 % of it,\n    lies 63 from it"),
            std::string::npos);
}

TEST(DuplicateSectionReport, NamesEveryRepeatedSectionAndTheOneLumoReads) {
  const std::pair<std::string, std::string> cases[] = {
      {"[TIMER.ACTION1]\n[RECT]\n1=1,2,3,4\n[TIMER.ACTION2]\n[RECT]\n2=1,2,3,4\n",
       "[RECT] heads 2 sections, at lines 2 and 5: Lumo reads only the first, at line 2;\n"},
      {"[Rect]\r\n  [ rect ]\r\n[RECT]x\r\n[WINDOW]\r\n[window]",
       "[Rect] heads 3 sections, at lines 1, 2 and 3: Lumo reads only the first, at line 1;\n"
       "  what the others hold is never read. Move their entries into the first and delete the "
       "extra headers.\n[WINDOW] heads 2 sections, at lines 4 and 5"},
      {"[WINDOW]\n;[WINDOW]\nCaption=[WINDOW]\n[TIMER]\n[TIMER.ACTION1]", ""},
  };
  for (const auto& [file, expected] : cases) {
    const std::string report = DuplicateSectionReport(file);
    EXPECT_EQ(report.substr(0, expected.size()), expected) << file;
    EXPECT_EQ(report.empty(), expected.empty()) << file;
  }
}

TEST(DiagnoseReference, ReadableInsideAPanelOrMissing) {
  const std::vector<ControlRow> controls = {Row(2, 0, 1001), Row(3, 0, 1200), Row(5, 3, 1004),
                                            Row(6, 3, 1006), Row(7, 0, 1006)};
  const struct {
    std::int32_t id;
    ReferenceReach reach;
    std::string note;
  } cases[] = {
      {1001, ReferenceReach::Readable, ""},
      {1006, ReferenceReach::Readable, ""},  // a direct child goes before a panel's control
      {1004, ReferenceReach::InsidePanel,
       "  ! <%1004%> reads empty: control 1004 lies inside %3, and <%ID%> reaches only the "
       "window's own children.\n    A hotkey command reaches it as %5;"},
      {9999, ReferenceReach::Missing, "  ! <%9999%> reads empty: the window has no control 9999"},
  };
  for (const auto& [id, reach, note] : cases) {
    const ReferenceDiagnosis diagnosis = DiagnoseReference(id, controls);
    EXPECT_EQ(diagnosis.Reach, reach) << id;
    const std::string written = ReferenceNote(id, diagnosis);
    EXPECT_EQ(written.substr(0, note.size()), note) << id;
    EXPECT_EQ(written.empty(), note.empty()) << id;
  }
}

TEST(SavedAsUtf8, AMarkOrThreeByteCharactersThroughout) {
  const std::pair<std::string, bool> cases[] = {
      {"\xEF\xBB\xBF[WINDOW]\r\nCaption=POS", true},
      {"Caption=\xE6\x94\xB6\xE9\x93\xB6\xE5\x8F\xB0", true},  // "收银台" in UTF-8
      {"Caption=\xCA\xD5\xD2\xF8\xCC\xA8", false},             // the same in GBK
      {"SPEAK=<%1%>\xD4\xAA", false},                          // "元" in GBK, valid UTF-8
      {"Caption=POS\r\n", false},                              // ASCII reads the same
      {"\xE6\x94\xB6\xE9\x93", false},                         // cut short
      {"\xE6\x94\xB6\xC0\x80", false},                         // an overlong form
      {"\xF0\x9F\x98\x80", true}};
  for (const auto& [bytes, utf8] : cases) {
    EXPECT_EQ(SavedAsUtf8(bytes), utf8) << bytes;
  }
}

TEST(SdfStub, OnlyTheFirstStubHasTheRectHeaderSoAnotherIsSafeToAppend) {
  ControlRow control = Row(5, 0, 1004);
  control.Inside = {1, 2, 30, 20};
  const std::string appended = SdfStub(control, 2, false);
  EXPECT_EQ(appended.find("[RECT]\n"), std::string::npos) << appended;
  EXPECT_TRUE(
      appended.ends_with("BMP_RECT=2\n; Lumo reads only the first [RECT] section: "
                         "move the next line into it, without the ';'.\n;2=1,2,30,20\n"))
      << appended;
  const struct {
    std::vector<std::string> arguments;
    std::int32_t action;
    bool first;
  } cases[] = {{{"POS", "--sdf", "1004"}, 1, false},
               {{"POS", "--sdf", "1004", "--first"}, 1, true},
               {{"POS", "--sdf", "1004", "3", "--first"}, 3, true}};
  for (const auto& [arguments, action, first] : cases) {
    const InspectArguments parsed = ParseInspectArguments(arguments);
    EXPECT_EQ(parsed.Run, InspectArguments::Command::Stub) << parsed.Error;
    EXPECT_EQ(parsed.StubAction, action);
    EXPECT_EQ(parsed.StubFirst, first);
  }
  EXPECT_EQ(ParseInspectArguments({"POS", "--sdf", "--first"}).Run,
            InspectArguments::Command::Usage);
}

}  // namespace
}  // namespace lumo
