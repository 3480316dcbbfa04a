#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "common/RegistryBackend.h"

namespace vx {

// What a .reg file asks for, in file order. Paths are relative to the root
// (empty for the root itself); names and data are already unescaped and in
// the 8-bit form the ANSI registry functions use.
class RegFileSink {
public:
    virtual ~RegFileSink() = default;
    virtual void OpenKey(RegRoot root, std::string_view path) = 0;
    virtual void DeleteKey(RegRoot root, std::string_view path) = 0;
    virtual void SetValue(std::string_view name, RawValue&& value) = 0;
    virtual void DeleteValue(std::string_view name) = 0;
};

// Parses the lines after the header of an 8-bit .reg text. With `wideData`
// (a version 5.00 file) hex(1), hex(2) and hex(7) bytes are UTF-16LE and are
// narrowed. Without a sink the text is only checked. The result is the first
// fault as "FILE:LINE: what is wrong"; `firstLine` is the number of the line
// `text` starts with.
std::optional<std::string> ParseRegLines(std::string_view text, std::string_view fileName, int firstLine,
                                         bool wideData, RegFileSink* sink);

// The standard root by its .reg name (HKEY_LOCAL_MACHINE, HKLM, ...), any letter case.
std::optional<RegRoot> RootByName(std::string_view name);
std::string_view RootName(RegRoot root);

}  // namespace vx
