// Decimal numbers, reseller lines and the scrambling of partner values. The first
// byte gives the length of the scrambling key.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/DecimalText.h"
#include "common/TextScrambling.h"
#include "setup/ResellerNumber.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vx::fuzz::Check;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto number = vx::ParseDecimal(bytes)) {
        Check(vx::ParseDecimal(vx::FormatDecimal(*number)) == number, "a number does not read back");
        Check(bytes.find_first_not_of("-0123456789") == std::string_view::npos, "a number read from other text");
    }
    vx::setup::ResellerNumberFromLine(bytes);

    const size_t keyLength = bytes.empty() ? 0 : std::min<size_t>(static_cast<uint8_t>(bytes[0]) % 12, size - 1);
    const std::string_view key = bytes.substr(bytes.empty() ? 0 : 1, keyLength);
    const std::string_view text = bytes.substr(std::min(size, 1 + keyLength));
    const std::string stored = vx::ScrambleText(key, text);
    Check(vx::UnscrambleText(key, stored) == text, "scrambling does not undo");
    Check(stored.size() == (text.empty() ? 0 : text.size() + 1), "scrambling changed the length");
    vx::UnscrambleText(key, text);
    return 0;
}
