#pragma once
// What vxtune prints: texts and whole numbers, written to a C stream or kept for
// the caller. Not an iostream: its locale machinery would outweigh the tool.
#include <concepts>
#include <cstdio>
#include <string>
#include <string_view>

namespace vx::tune {

class TextOutput {
public:
    // Keeps what is written (see Text).
    TextOutput() = default;
    // Writes through to `stream`.
    explicit TextOutput(std::FILE* stream) : stream_(stream) {}

    TextOutput& operator<<(std::string_view text);
    TextOutput& operator<<(char c) { return *this << std::string_view(&c, 1); }
    template <std::integral Number>
        requires(!std::same_as<Number, char> && !std::same_as<Number, bool>)
    TextOutput& operator<<(Number number)
    {
        return *this << std::string_view(std::to_string(number));
    }

    const std::string& Text() const { return kept_; }
    void Flush();

private:
    std::FILE* stream_ = nullptr;
    std::string kept_;
};

}  // namespace vx::tune
