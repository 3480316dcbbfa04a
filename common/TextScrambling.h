#pragma once
#include <string>
#include <string_view>

namespace vx {

// The key both programs scramble the partner values with.
inline constexpr std::string_view PartnerKey = "Lantern!";

// The stored form of a plain text: "?" and the text, each byte raised by the next
// number (0 to 99) of a generator seeded with the key's byte sum. Empty stays empty.
std::string ScrambleText(std::string_view key, std::string_view plain);

// Undoes ScrambleText and drops the leading "?" (when there is one).
std::string UnscrambleText(std::string_view key, std::string_view stored);

}  // namespace vx
