#pragma once
#include <string>
#include <string_view>

namespace vx {

// UTF-16LE bytes as the 8-bit (Latin-1) text an ANSI function would see: each
// character above 0xFF, and each surrogate pair, becomes '?'. A lone trailing
// byte is ignored.
std::string NarrowUtf16(std::string_view bytes);

}  // namespace vx
