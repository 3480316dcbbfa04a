#pragma once
#include <optional>
#include <string>
#include <vector>

namespace vx::setup {

// The file's lines, split at CR LF, LF or CR (a final line break adds no empty
// line); UTF-16 files are narrowed first. nullopt when the file cannot be read.
std::optional<std::vector<std::string>> LoadTextLines(const std::string& fileName);

// The lines of text already read.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace vx::setup
