#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// Splits a profile value into tokens. Characters with codes 1 to 32 and the separator end
// a token; blanks around tokens are skipped. A token that begins with a double quotation
// mark runs to the next mark not doubled ("" stands for one mark), blanks and separators
// included; one never closed runs to the end of the value, last character included. A
// separator that is the last character of the value adds an empty token, so does a
// separator right after another. Steps over whole double-byte characters, so a trail byte
// is never taken for a mark, blank or separator. The value ends at its first NUL byte.
std::vector<std::string> SplitTokens(std::string_view value, char separator);

}  // namespace lumo
