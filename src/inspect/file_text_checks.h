#pragma once
// What the raw bytes of Lumo.sdf show that the profile reader hides: the text encoding it
// was saved in, and section names that occur more than once.
#include <string>
#include <string_view>

namespace lumo {

// True for a file saved as UTF-8: a UTF-8 byte-order mark, or valid UTF-8 throughout that
// holds a character of three or more bytes (every Chinese character is one). A GBK text
// can pass as two-byte UTF-8 by chance ("元" is D4 AA), never as three-byte characters
// throughout.
bool SavedAsUtf8(std::string_view bytes);

// What --check says about a file saved as UTF-8.
std::string Utf8Hint();

// One paragraph per section name (compared as the reader compares them: case ignored,
// blanks around the name dropped) that heads more than one section, naming the lines and
// the one Lumo reads; empty when every name occurs once. Lines ending in '\n'.
std::string DuplicateSectionReport(std::string_view bytes);

}  // namespace lumo
