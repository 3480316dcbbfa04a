#include <gtest/gtest.h>

#include <string>

#include "common/MemoryRegistry.h"
#include "common/RegistryCalls.h"
#include "common/TextScrambling.h"
#include "dispatcher/PartnerValues.h"
#include "setup/ResellerNumber.h"
#include "setup/ResellerTable.h"
#include "setup/ResellerValues.h"
#include "setup/SetupState.h"
#include "tests/setup/TempDirectory.h"

namespace vx::setup {
namespace {

constexpr const char* kProduct = "\\Software\\Quorvex\\Velocitrex";

TEST(ResellerTable, HasFiveRowsWithLowerCaseCodesAndPartnerContacts)
{
    ASSERT_EQ(ResellerTable().size(), 5u);
    const int32_t numbers[] = {-1, -4, -3, -5, -2};
    for (size_t i = 0; i < 5; ++i) {
        const ResellerRow& row = ResellerTable()[i];
        EXPECT_EQ(row.number, numbers[i]);
        ASSERT_EQ(row.code.size(), 3u);
        for (char c : row.code)
            EXPECT_TRUE(c >= 'a' && c <= 'z') << row.code;
        EXPECT_EQ(row.homePage.empty(), row.number == -1);
        if (!row.homePage.empty()) {
            EXPECT_TRUE(row.homePage.starts_with("http://") && row.homePage.ends_with(".example/")) << row.homePage;
        }
    }
    EXPECT_TRUE(FindResellerByNumber(-2)->supportContact.starts_with("mailto:"));
    for (int32_t partner : {-3, -4, -5})
        EXPECT_EQ(FindResellerByNumber(partner)->supportContact.find(':'), std::string_view::npos);
}

TEST(ResellerNumber, FirstLineNamesNumberOrCode)
{
    struct Case {
        std::string line;
        int32_t number;
    } cases[] = {
        {"4711", 4711}, {"100000", 100000}, {"0", 0}, {"-3", -3}, {"-1", -1},
        {"qvx", -1}, {"nbl", -4}, {"NBL", -4}, {"BcN", -3}, {"tdw", -5}, {"KSP", -2},
        {"", -1}, {"xyz", -1}, {"nbl ", -1}, {" 4711", -1}, {"nblx", -1}, {"4711x", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResellerNumberFromLine(c.line), c.number) << "'" << c.line << "'";
    // Every code selects the same row as its number.
    for (const ResellerRow& row : ResellerTable())
        EXPECT_EQ(ResellerNumberFromLine(row.code), row.number);
}

TEST(ResellerNumber, ReadsTheExtractionDirectorysFile)
{
    test::TempDirectory dir;
    EXPECT_EQ(ReadResellerNumber(dir.Prefix()), NoReseller);
    struct Case {
        std::string bytes;
        int32_t number;
    } cases[] = {
        {"", -1}, {"\r\n", -1}, {"TDW\r\n4711\r\n", -5}, {"4711\n", 4711},
        {test::Utf16Le("KSP\r\n"), -2}, {std::string(70000, 'n'), -1},
    };
    for (const Case& c : cases) {
        dir.Write("Reseller.txt", c.bytes);
        EXPECT_EQ(ReadResellerNumber(dir.Prefix()), c.number) << c.bytes.substr(0, 20);
    }
    setupState.resellerNumber = 0;
    LoadResellerNumber(dir.Prefix() + "nowhere" + dir.Prefix().back());
    EXPECT_EQ(setupState.resellerNumber, NoReseller);
}

TEST(ResellerValues, PlainContentsFollowTheNumber)
{
    const ResellerRow& ksp = *FindResellerByNumber(-2);
    const ResellerRow& bcn = *FindResellerByNumber(-3);
    struct Case {
        int32_t number;
        ResellerValues values;
    } cases[] = {
        {4711, {" - 4711", "", "", "4711"}},
        {1, {" - 1", "", "", "1"}},
        {99999, {" - 99999", "", "", "99999"}},
        {100000, {"", "", "", "100000"}},
        {0, {"", "", "", "0"}},
        {-1, {"", "", "", "-1"}},
        {-2, {"", std::string(ksp.homePage), std::string(ksp.supportContact), "-2"}},
        {-3, {"", std::string(bcn.homePage), std::string(bcn.supportContact), "-3"}},
        {-6, {"", "", "", "-6"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResellerValuesFor(c.number), c.values) << c.number;
}

class StoredResellerValues : public ::testing::Test {
protected:
    std::string Stored(const char* name)
    {
        return GetRegistryValue(RegRoot::LocalMachine, kProduct, RegValueKind::String, name).AsString();
    }

    MemoryRegistry registry;
    ScopedRegistryBackend scoped{registry};
};

TEST_F(StoredResellerValues, AreScrambledAndEmptyOnesStayEmpty)
{
    setupState.resellerNumber = -4;
    WriteResellerValues();
    const ResellerRow& nbl = *FindResellerByNumber(-4);
    EXPECT_EQ(Stored("rc"), "");
    EXPECT_EQ(Stored("rr"), ScrambleText("Lantern!", nbl.homePage));
    EXPECT_EQ(Stored("rt"), ScrambleText("Lantern!", nbl.supportContact));
    EXPECT_EQ(Stored("rn"), ScrambleText("Lantern!", "-4"));
    EXPECT_EQ(registry.Find(RegRoot::LocalMachine, kProduct)->values.size(), 4u);
}

TEST_F(StoredResellerValues, MainProgramReadsBackTheNumber)
{
    for (int32_t number : {-1, -2, -3, -4, -5, 4711, 100000}) {
        setupState.resellerNumber = number;
        WriteResellerValues();
        dispatcher::LoadPartnerValues();
        EXPECT_EQ(dispatcher::resellerNumber, number);
    }
}

}  // namespace
}  // namespace vx::setup
