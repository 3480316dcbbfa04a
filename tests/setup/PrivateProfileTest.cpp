#include <gtest/gtest.h>

#include <string>

#include "platform/PrivateProfile.h"
#include "platform/host/HostPrivateProfile.h"
#include "tests/setup/TempDirectory.h"

namespace vx {
namespace {

using namespace std::string_literals;

struct IniCase {
    const char* what;
    std::string bytes;
    const char* section;
    const char* key;
    std::string expected;  // "dflt" is the default passed in
};

const std::string kLongValue(5000, 'v');

const IniCase kCases[] = {
    {"plain key", "[Url]\ndisp=http://a\n", "Url", "disp", "http://a"},
    {"names ignore letter case", "[URL]\nDISP=x\n", "url", "Disp", "x"},
    {"missing key", "[S]\nother=1\n", "S", "k", "dflt"},
    {"missing section", "[T]\nk=1\n", "S", "k", "dflt"},
    {"first of two keys wins", "[S]\nk=1\nk=2\n", "S", "k", "1"},
    {"blanks around name and value", "[S]\n  k  =   v w  \n", "S", "k", "v w"},
    {"tabs around name and value", "[S]\n\tk\t=\tv\t\n", "S", "k", "v"},
    {"CRLF lines", "[S]\r\nk=v\r\n", "S", "k", "v"},
    {"comment line skipped", "[S]\n;k=c\nk=v\n", "S", "k", "v"},
    {"only a comment", "[S]\n;k=c\n", "S", "k", "dflt"},
    {"key of the right section", "[A]\nk=a\n[B]\nk=b\n", "B", "k", "b"},
    {"section ends at the next one", "[A]\nx=a\n[B]\nk=b\n", "A", "k", "dflt"},
    {"lines before any section", "k=0\n[S]\nx=1\n", "S", "k", "dflt"},
    {"empty value is no default", "[S]\nk=\n", "S", "k", ""},
    {"double quotes dropped", "[S]\nk=\"a b\"\n", "S", "k", "a b"},
    {"single quotes dropped", "[S]\nk='a'\n", "S", "k", "a"},
    {"unmatched quote kept", "[S]\nk=\"a\n", "S", "k", "\"a"},
    {"equals sign in the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"semicolon inside a value kept", "[S]\nk=v ; c\n", "S", "k", "v ; c"},
    {"no final line break", "[S]\nk=v", "S", "k", "v"},
    {"indented section line", "  [S]\nk=v\n", "S", "k", "v"},
    {"empty file", "", "S", "k", "dflt"},
    {"binary garbage", "\x01\x02\xFF\xFE\x00\x7F\x80"s, "S", "k", "dflt"},
    {"UTF-16 file", test::Utf16Le("[Distribution]\r\ndcc=D7\r\n"), "Distribution", "dcc", "D7"},
    {"long value whole", "[S]\nk=" + kLongValue + "\n", "S", "k", kLongValue},
};

void ExpectCases(platform::PrivateProfile& profile, const char* reader)
{
    test::TempDirectory dir;
    for (const IniCase& c : kCases) {
        std::string file = dir.Write("Defs.ini", c.bytes);
        EXPECT_EQ(profile.ReadString(c.section, c.key, "dflt", file), c.expected) << reader << ": " << c.what;
    }
    EXPECT_EQ(profile.ReadString("S", "k", "dflt", dir.Prefix() + "missing.ini"), "dflt") << reader;
}

// The system's reader on Windows, ours elsewhere: both must follow the same rules.
TEST(PrivateProfile, SystemReaderFollowsTheRules)
{
    ExpectCases(platform::CurrentService<platform::PrivateProfile>::Get(), "system");
}

TEST(PrivateProfile, OwnReaderFollowsTheRules)
{
    platform::HostPrivateProfile own;
    ExpectCases(own, "own");
}

}  // namespace
}  // namespace vx
