#pragma once
#include <string_view>

namespace lumo {

// Whether caption is a contiguous run of the bytes of title, compared byte for byte with
// case distinct. An empty caption occurs nowhere.
bool CaptionOccurs(std::string_view title, std::string_view caption);

}  // namespace lumo
