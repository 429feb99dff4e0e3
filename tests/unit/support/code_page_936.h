#pragma once
#include "common/dbcs.h"

namespace lumo::test {

// The lead bytes of code page 936 (GBK), the code page of the tills the native tests model.
inline constexpr LeadByteRange kCodePage936LeadBytes[] = {{0x81, 0xFE}};

}  // namespace lumo::test
