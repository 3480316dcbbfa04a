#include "common/TextScrambling.h"

#include <cstdint>

namespace vx {
namespace {

// The numbers 0 to 99 that shift the bytes; the seed starts afresh for every text.
class ShiftSequence {
public:
    explicit ShiftSequence(std::string_view key)
    {
        for (char c : key)
            seed_ += static_cast<unsigned char>(c);
    }

    uint8_t Next()
    {
        seed_ = seed_ * 134775813u + 1u;
        return static_cast<uint8_t>((uint64_t{seed_} * 100u) >> 32);
    }

private:
    uint32_t seed_ = 0;
};

// Each byte moved by `direction` times its shift, modulo 256.
std::string Shifted(std::string_view key, std::string_view text, int direction)
{
    ShiftSequence shifts(key);
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(static_cast<unsigned char>(c) + direction * shifts.Next());
    return result;
}

}  // namespace

std::string ScrambleText(std::string_view key, std::string_view plain)
{
    if (plain.empty())
        return {};
    return Shifted(key, "?" + std::string(plain), +1);
}

std::string UnscrambleText(std::string_view key, std::string_view stored)
{
    std::string plain = Shifted(key, stored, -1);
    if (plain.starts_with('?'))
        plain.erase(0, 1);
    return plain;
}

}  // namespace vx
