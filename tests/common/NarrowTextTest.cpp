#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/NarrowText.h"
#include "platform/TextDecoding.h"

namespace vx {
namespace {

std::string LittleEndian(std::u16string_view text)
{
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string Swapped(std::string bytes)
{
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        std::swap(bytes[i], bytes[i + 1]);
    return bytes;
}

// .reg files and the setup's text files are narrowed by two callers; a surrogate
// pair once gave "?" in one and "??" in the other.
TEST(NarrowText, EveryUtf16ReaderNarrowsAlike)
{
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"Quorvex", "Quorvex"},
        {u"caf\u00E9", "caf\xE9"},
        {u"5 \u20AC", "5 ?"},
        {u"a\U0001F600b", "a?b"},            // one character, one '?'
        {u"\xD83D" u"A", "?A"},              // a lone high surrogate
        {u"\xDE00\xD83D", "??"},             // a low one first: two characters
        {u"end\xD83D", "end?"},
    };
    for (const auto& [text, narrow] : cases) {
        const std::string bytes = LittleEndian(text);
        EXPECT_EQ(NarrowUtf16(bytes), narrow);
        EXPECT_EQ(platform::DecodeTextFile("\xFF\xFE" + bytes), narrow);
        EXPECT_EQ(platform::DecodeTextFile("\xFE\xFF" + Swapped(bytes)), narrow);
    }
    EXPECT_EQ(NarrowUtf16(std::string("A\0B", 3)), "A");  // a lone trailing byte
}

}  // namespace
}  // namespace vx
