// lumo-inspect's decisions over a file the fuzzer writes: the --check report, the file's
// own text checks, the command line (one argument a line) and the two-background measure
// over the bytes as pixels.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fake_profile_reader.h"
#include "inspect/check_report.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"
#include "inspect/two_backgrounds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const lumo::CheckOutcome outcome =
      lumo::CheckScreenDefinition(lumo::test::FakeProfileReader(text));
  if (outcome.Report.empty() || outcome.Report.back() != '\n') {
    std::abort();  // every report ends its last line
  }
  lumo::SavedAsUtf8(text);
  lumo::DuplicateSectionReport(text);

  std::vector<std::string> arguments;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    arguments.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  const lumo::InspectArguments parsed = lumo::ParseInspectArguments(arguments);
  if (parsed.Run == lumo::InspectArguments::Command::Stub && parsed.StubAction < 1) {
    std::abort();
  }

  // Pixels of three bytes each in rows of the first byte's width.
  if (size >= 4) {
    lumo::ColourRegion region;
    const int width = data[0] % 32 + 1;
    const int height = static_cast<int>((size - 1) / 3) / width;
    region.ResetWhite(width, height);
    for (std::size_t i = 0; i < region.pixels.size(); ++i) {
      const std::uint8_t* pixel = data + 1 + 3 * i;
      region.pixels[i] = (lumo::ColourPixel{pixel[0]} << 16) | (pixel[1] << 8) | pixel[2];
    }
    lumo::FindSecondBackground(region);
  }
  return 0;
}
