#pragma once
#include <string>
#include <string_view>

namespace vx::platform {

// The 8-bit text of a file's bytes. Files saved as UTF-16 (with a byte-order mark)
// are narrowed, characters beyond Latin-1 becoming "?"; a UTF-8 mark is dropped.
// Other bytes are taken as they are.
std::string DecodeTextFile(std::string_view bytes);

// UTF-16 code units (without byte-order mark) as the 8-bit (Latin-1) text an ANSI
// function would see: each character above 0xFF becomes '?', a surrogate pair
// (one character) a single '?'. A lone trailing byte is ignored.
std::string NarrowUtf16(std::string_view units, bool bigEndian);

// Blanks, tabs and line-break characters at either end removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vx::platform
