#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "common/MemoryRegistry.h"

namespace vx {

// Reading and writing registry export files (.reg).
// Reads "REGEDIT4" (8-bit) and "Windows Registry Editor Version 5.00" (UTF-16LE
// with byte-order mark) files; writes REGEDIT4.

// Applies the file's text to `registry`. A malformed file is refused whole:
// the result is "FILE:LINE: what is wrong" and the registry is unchanged.
std::optional<std::string> ApplyRegText(MemoryRegistry& registry, std::string_view bytes,
                                        std::string_view fileName);

// Loads FILE into `registry` (a missing file leaves it unchanged and is no error).
// Errors: the malformed-file message above, or "FILE: cannot read ...".
std::optional<std::string> LoadRegFile(MemoryRegistry& registry, const std::string& path);

// The whole registry as REGEDIT4 text.
std::string FormatRegedit4(const MemoryRegistry& registry);

// Whether a key or value name holds a line break, or a key name is empty:
// no .reg file can carry those.
bool HoldsUnwritableName(const MemoryRegistry& registry);

// Writes FormatRegedit4 to a temporary file beside `path` and renames it over,
// so a failed save never leaves a half-written file. Returns the error, if any;
// a registry that HoldsUnwritableName is refused and the file left as it was.
std::optional<std::string> SaveRegFile(const MemoryRegistry& registry, const std::string& path);

}  // namespace vx
