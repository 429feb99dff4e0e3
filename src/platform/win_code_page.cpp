#include "platform/win_code_page.h"

#include <windows.h>

#include <vector>

#include "common/dbcs.h"
#include "platform/ansi_text.h"

namespace lumo {

std::string WinCodePage::AnsiToUtf8(std::string_view ansi) const {
  return WideToCodePage(CP_UTF8, CodePageToWide(CP_ACP, ansi));
}

std::string WinCodePage::Utf8ToAnsi(std::string_view utf8) const {
  return WideToCodePage(CP_ACP, CodePageToWide(CP_UTF8, utf8));
}

std::string WinCodePage::Utf16ToAnsi(std::u16string_view utf16) const {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return WideToCodePage(
      CP_ACP, std::wstring_view(reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size()));
}

void UseSystemLeadBytes() {
  // The ranges come as pairs of bytes, ended by a pair of zeros; a single-byte code page
  // has none.
  CPINFO info{};
  std::vector<LeadByteRange> ranges;
  if (GetCPInfo(CP_ACP, &info)) {
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
      ranges.push_back({info.LeadByte[i], info.LeadByte[i + 1]});
    }
  }
  SetLeadByteRanges(ranges);
}

}  // namespace lumo
