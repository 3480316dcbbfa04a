#pragma once
#include <string>
#include <string_view>

namespace vx::platform {

// The 8-bit text of a file's bytes. Files saved as UTF-16 (with a byte-order mark)
// are narrowed, characters beyond Latin-1 becoming "?"; a UTF-8 mark is dropped.
// Other bytes are taken as they are.
std::string DecodeTextFile(std::string_view bytes);

// Blanks, tabs and line-break characters at either end removed.
std::string_view TrimBlanks(std::string_view text);

}  // namespace vx::platform
