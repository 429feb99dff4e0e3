// The hotkey file decoder over any bytes, and its round trip: what decodes, encodes and
// decodes again to equal records. Latin-1 stands for the ANSI code page here, as its every
// byte string converts to Unicode and back unchanged: a lossy code page would blur what
// the stream itself does.
#include <algorithm>
#include <cstdlib>

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const lumo::test::IconvCodePage latin1("ISO-8859-1");
  lumo::test::MemoryFiles files;
  files.contents["in"].assign(reinterpret_cast<const char*>(data), size);
  lumo::HotkeyList decoded;
  try {
    lumo::LoadHotkeys(decoded, files, latin1, "in");
  } catch (const lumo::FileError&) {
    // The records read completely before the error stay, and take part in the round trip.
  }
  lumo::SaveHotkeys(decoded, files, latin1, "out");
  lumo::HotkeyList again;
  lumo::LoadHotkeys(again, files, latin1, "out");
  if (!std::equal(again.begin(), again.end(), decoded.begin(), decoded.end(),
                  [](const auto& a, const auto& b) { return *a == *b; })) {
    std::abort();
  }
  return 0;
}
