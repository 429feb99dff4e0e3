// What lumo-inspect flags: two backgrounds, repeated sections, unreachable references, UTF-8.
#include <gtest/gtest.h>

#include "inspect/control_listing.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"
#include "inspect/reference_reach.h"
#include "inspect/two_backgrounds.h"

namespace lumo {
namespace {

// 100 x 20 pixels: columns before split in left, the rest in right, but stripes 2 wide.
ColourRegion Region(int split, ColourPixel left, ColourPixel right, bool stripes = false) {
  ColourRegion region;
  region.ResetWhite(100, 20);
  for (std::size_t i = 0; i < region.pixels.size(); ++i) {
    const int x = static_cast<int>(i % 100);
    region.pixels[i] = stripes && x % 4 < 2 ? 0 : x < split ? left : right;
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
  const struct {
    ColourRegion region;
    ColourPixel other;  // the colour reported, 1 for no warning
  } cases[] = {{Region(60, 0xC0C0C0, kWhitePixel), kWhitePixel},  // a field beside a larger panel
               {Region(30, 0xF0F0F0, 0), 0xF0F0F0},               // a dark display beside a field
               {Region(90, 0xC0C0C0, kWhitePixel), 1},            // a field of a tenth
               {Region(50, 0xFAFAFA, kWhitePixel), 1},            // shades closer than ink
               {Region(0, 0, kWhitePixel, true), 1}};  // half of it strokes 2 pixels wide
  for (const auto& [region, other] : cases) {
    const std::optional<SecondBackground> found = FindSecondBackground(region);
    EXPECT_EQ(found ? found->other : 1, other) << &region - &cases[0].region;
  }
  const SecondBackground panel = *FindSecondBackground(cases[0].region);
  EXPECT_NE(SecondBackgroundWarning(panel).find(  // flat: 38 x 18 of 100 x 20
                "Lumo takes 0xC0C0C0 (60 % of the region) as its background, and 0xFFFFFF, "
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
      {"[za]\n[ZA]", "[za] heads 2 sections, at lines 1 and 2"},
      {"[WINDOW]\n;[WINDOW]\nCaption=[WINDOW]\n[TIMER]\n[TIMER.ACTION1]", ""}};
  for (const auto& [file, expected] : cases) {
    const std::string report = DuplicateSectionReport(file);
    EXPECT_EQ(report.substr(0, expected.size()), expected) << file;
    EXPECT_EQ(report.empty(), expected.empty()) << file;
  }
}

TEST(DiagnoseReference, ReadableInsideAPanelOrMissing) {
  const std::vector<ControlRow> controls = {Row(2, 0, 1001), Row(5, 3, 1004), Row(6, 3, 1006),
                                            Row(7, 0, 1006)};
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
      {9999, ReferenceReach::Missing, "  ! <%9999%> reads empty: the window has no control 9999"}};
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

TEST(ParseInspectArguments, FirstAsksForTheRectHeader) {
  const InspectArguments first = ParseInspectArguments({"POS", "--sdf", "1004", "3", "--first"});
  EXPECT_TRUE(first.Run == InspectArguments::Command::Stub && first.StubAction == 3 &&
              first.StubFirst);
  EXPECT_FALSE(ParseInspectArguments({"POS", "--sdf", "1004"}).StubFirst);
  EXPECT_EQ(ParseInspectArguments({"POS", "--sdf", "--first"}).Run,
            InspectArguments::Command::Usage);
}

}  // namespace
}  // namespace lumo
