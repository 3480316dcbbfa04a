#include "setup/TextFileLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/setup/TempDirectory.h"

namespace vx::setup {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFileLines, SplitsAtEveryKindOfLineBreak)
{
    struct Case {
        std::string text;
        Lines lines;
    } cases[] = {
        {"", {}},
        {"17", {"17"}},
        {"17\n", {"17"}},
        {"17\r\n", {"17"}},
        {"17\r", {"17"}},
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"\r\n", {""}},
        {"\n\nx", {"", "", "x"}},
        {"a\n\r\nb", {"a", "", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(TextFileLines, LoadsFilesInEitherEncoding)
{
    test::TempDirectory dir;
    EXPECT_EQ(LoadTextLines(dir.Prefix() + "missing.txt"), std::nullopt);
    EXPECT_EQ(LoadTextLines(dir.Write("a.txt", "")), Lines{});
    EXPECT_EQ(LoadTextLines(dir.Write("b.txt", "nbl\r\nrest")), (Lines{"nbl", "rest"}));
    EXPECT_EQ(LoadTextLines(dir.Write("c.txt", test::Utf16Le("17\r\n9"))), (Lines{"17", "9"}));
    EXPECT_EQ(LoadTextLines(dir.Write("d.txt", std::string("\xFE\xFF\0\x34\0\x32", 6))), Lines{"42"});
    EXPECT_EQ(LoadTextLines(dir.Write("e.txt", "\xEF\xBB\xBFKSP\n")), Lines{"KSP"});
    // A character beyond Latin-1 cannot pass for a digit.
    EXPECT_EQ(LoadTextLines(dir.Write("f.txt", std::string("\xFF\xFE\x31\x00\x31\x06", 6))), Lines{"1?"});
}

}  // namespace
}  // namespace vx::setup
