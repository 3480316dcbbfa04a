#pragma once
// A script of a person's session with a program on the host backend: one
// command a line, "#" starts a comment. The words of a line are split at blanks;
// commands whose last argument is free text (type, expect text) take the rest of
// the line as it stands.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vx::ui::script {

struct ScriptLine {
    std::string file;
    int number = 0;
    std::string text;                // the line without its comment, trimmed
    std::vector<std::string> words;  // text split at blanks

    // "FILE:LINE"
    std::string Where() const { return file + ":" + std::to_string(number); }
    // The text after the first `count` words, as written.
    std::string RestAfter(std::size_t count) const;
};

// A command that cannot be carried out, or an expectation that does not hold.
class ScriptError : public std::runtime_error {
public:
    ScriptError(const ScriptLine& line, const std::string& what) : std::runtime_error(line.Where() + ": " + what) {}
};

// The script's lines that hold a command, in order.
std::vector<ScriptLine> ParseScript(std::string_view text, const std::string& file);

}  // namespace vx::ui::script
