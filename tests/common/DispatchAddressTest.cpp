#include "common/DispatchAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"

namespace vx {
namespace {

constexpr const char* kProduct = "\\Software\\Quorvex\\Velocitrex";
constexpr const char* kMaker = "\\Software\\Quorvex";
const std::string kDefault = "http://www.quorvex.example/php/disp0201.php";

struct Stored {
    const char* key;
    const char* name;
    std::string text;
};

struct Case {
    const char* what;
    std::vector<Stored> stored;
    int32_t resellerNumber;
    const char* productCode;
    std::string expected;
};

const Case kCases[] = {
    {"nothing stored", {}, -1, "41609", kDefault + "?pc=41609&rc=-1"},
    {"no product code: rc comes first", {}, 1, "", kDefault + "?rc=1"},
    {"values in fixed order",
     {{kProduct, "sid", "17"}, {kProduct, "mo", "m1"}, {kProduct, "drc", "r2"}, {kProduct, "dcc", "c3"},
      {kProduct, "cd", "d4"}},
     -4, "41609", kDefault + "?pc=41609&rc=-4&cd=d4&dcc=c3&drc=r2&mo=m1&sid=17"},
    {"empty values left out", {{kProduct, "cd", ""}, {kProduct, "drc", "r"}}, 1, "41609",
     kDefault + "?pc=41609&rc=1&drc=r"},
    {"disp under the maker key is the base", {{kMaker, "disp", "http://dist.example/d.php"}}, 1, "41609",
     "http://dist.example/d.php?pc=41609&rc=1"},
    {"https base", {{kMaker, "disp", "https://dist.example/d"}}, 1, "", "https://dist.example/d?rc=1"},
    {"scheme in capitals", {{kMaker, "disp", "HTTP://dist.example/d"}}, 1, "", "HTTP://dist.example/d?rc=1"},
    {"base with a query of its own", {{kMaker, "disp", "http://dist.example/d?lang=de"}}, 1, "",
     "http://dist.example/d?lang=de&rc=1"},
    {"a program is no base", {{kMaker, "disp", "C:\\Windows\\calc.exe"}}, 1, "", kDefault + "?rc=1"},
    {"a file address is no base", {{kMaker, "disp", "file:///C:/x.exe"}}, 1, "", kDefault + "?rc=1"},
    {"a bare host is no base", {{kMaker, "disp", "www.dist.example"}}, 1, "", kDefault + "?rc=1"},
    {"an address with browser arguments is no base", {{kMaker, "disp", "http://a\" --flag \"b"}}, 1, "",
     kDefault + "?rc=1"},
    {"disp and mo where the setup puts them are not used",
     {{kProduct, "disp", "http://dist.example/"}, {kMaker, "mo", "aff"}}, -1, "41609",
     kDefault + "?pc=41609&rc=-1"},
    {"query values are encoded", {{kProduct, "cd", "a&b c#d=e\x01/\xE9"}}, 1, "",
     kDefault + "?rc=1&cd=a%26b%20c%23d%3De%01%2F%E9"},
    {"ordinary values unchanged", {{kProduct, "dcc", "Dist-01_v2.x~"}}, 1, "", kDefault + "?rc=1&dcc=Dist-01_v2.x~"},
};

TEST(BuildDispUrl, BuildsTheAddressFromTheStoredValues)
{
    for (const Case& c : kCases) {
        MemoryRegistry registry;
        ScopedRegistryBackend scoped(registry);
        for (const Stored& s : c.stored)
            ASSERT_TRUE(SetRegistryValue(RegRoot::LocalMachine, s.key, true, RegistryValue::String(s.text), s.name,
                                         RegValueKind::String));
        EXPECT_EQ(BuildDispUrl(c.resellerNumber, kProduct, c.productCode), c.expected) << c.what;
    }
}

TEST(BuildDispUrl, AppendedPairsAreEncodedToo)
{
    std::string address = "http://a.example/p";
    AppendQueryPair(address, "oc", "2");
    AppendQueryPair(address, "x", "1 & 2");
    EXPECT_EQ(address, "http://a.example/p?oc=2&x=1%20%26%202");
}

TEST(IsWebAddress, AcceptsOnlyHttpAndHttps)
{
    EXPECT_TRUE(IsWebAddress("http://a"));
    EXPECT_TRUE(IsWebAddress("Https://a"));
    EXPECT_TRUE(IsWebAddress("http://a.example:8080/p/q.php?x=1&y=%20#top"));
    for (const char* text : {"", "http:", "http:/a", "ftp://a", " http://a", "mailto:a@b", "notepad.exe",
                             "http://a\" -new-window", "http://a b", "http://a\tb", "http://a\nb", "http://\xE9.example"})
        EXPECT_FALSE(IsWebAddress(text)) << text;
}

}  // namespace
}  // namespace vx
