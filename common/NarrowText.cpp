#include "common/NarrowText.h"

#include "platform/TextDecoding.h"

namespace vx {

// One narrowing for .reg files and for the text files the setup reads.
std::string NarrowUtf16(std::string_view bytes) { return platform::NarrowUtf16(bytes, false); }

}  // namespace vx
