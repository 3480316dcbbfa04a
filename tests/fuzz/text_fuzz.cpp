// Text files of the setup: decoding (UTF-16 either way, UTF-8 mark, 8-bit), line
// splitting and the INI reader. The first byte splits off a section and a key
// to look up.
#include <cstdint>
#include <string>
#include <string_view>

#include "common/NarrowText.h"
#include "platform/TextDecoding.h"
#include "platform/host/HostPrivateProfile.h"
#include "setup/TextFileLines.h"
#include "tests/fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vx::fuzz::Check;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(vx::NarrowUtf16(bytes) == vx::platform::DecodeTextFile("\xFF\xFE" + std::string(bytes)),
          ".reg files and text files narrow UTF-16 differently");

    const std::string text = vx::platform::DecodeTextFile(bytes);
    Check(text.size() <= bytes.size(), "decoding made the text longer");
    size_t total = 0;
    for (const std::string& line : vx::setup::SplitLines(text)) {
        Check(line.find_first_of("\r\n") == std::string::npos, "a line holds a line break");
        total += line.size();
    }
    Check(total <= text.size(), "the lines hold more than the text");

    const size_t cut = bytes.empty() ? 0 : static_cast<uint8_t>(bytes[0]) % 16;
    const std::string_view names = bytes.substr(std::min<size_t>(1, bytes.size())).substr(0, cut);
    const std::string_view section = names.substr(0, names.size() / 2);
    const std::string_view key = names.substr(names.size() / 2);
    const std::string fallback = "\x01" "fallback";
    const std::string found = vx::platform::FindProfileString(text, section, key, fallback);
    Check(found == fallback || text.find(found) != std::string::npos, "a value not in the file");
    return 0;
}
