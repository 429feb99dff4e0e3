#include "common/dbcs.h"

#include <bitset>
#include <vector>

namespace lumo {

namespace {

std::bitset<256> lead_bytes;

}  // namespace

void SetLeadByteRanges(std::span<const LeadByteRange> ranges) {
  lead_bytes.reset();
  for (const LeadByteRange& range : ranges) {
    for (unsigned byte = range.first; byte <= range.last; ++byte) {
      lead_bytes.set(byte);
    }
  }
}

bool IsLeadByte(unsigned char byte) {
  return lead_bytes.test(byte);
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) {
    return 2;
  }
  return 1;
}

std::size_t StartOfLastChars(std::string_view text, std::size_t n) {
  // Character boundaries can only be found walking forwards.
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
    starts.push_back(pos);
  }
  return starts.size() <= n ? 0 : starts[starts.size() - n];
}

}  // namespace lumo
