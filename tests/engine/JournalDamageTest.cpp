// The journal as an interrupted apply, another program or a careless hand may
// leave it: records cut off, stale fields, odd counters. Restoring must act only
// on what the journal really holds, and never harm what it does not name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/RegistryCalls.h"
#include "engine/vxJournalListing.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxRegistryKeys.h"
#include "platform/host/HostMessageBoxes.h"
#include "tests/engine/BudgetRegistry.h"
#include "tests/engine/FixtureRegistry.h"

namespace vx {
namespace {

constexpr RegRoot LM = RegRoot::LocalMachine;

class JournalDamage : public ::testing::Test {
protected:
    MemoryKey& Store() { return registry_.Registry().Create(LM, StoreKey); }
    MemoryKey& Mstcp() { return registry_.Registry().Create(LM, MstcpKey); }

    // The fields of a record, "_1" first; a null entry leaves that field out.
    void PutRecord(int32_t number, std::vector<const char*> fields)
    {
        const std::string prefix = RestoreRecordPrefix(number);
        for (size_t i = 0; i < fields.size(); ++i)
            if (fields[i])
                Store().SetValue(RestoreFieldName(prefix, static_cast<int>(i) + 1), RawValue::Text(fields[i]));
    }
    void PutCounter(uint32_t counter) { Store().SetValue(CounterValue, RawValue::Dword(counter)); }

    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes_.Shown())
            texts.push_back(box.text);
        return texts;
    }

    test::FixtureRegistry registry_;
    platform::HostMessageBoxes boxes_;
    platform::ScopedService<platform::MessageBoxes> boxScope_{boxes_};
};

// A counter near the top of its range once made restore and the listing visit
// every number up to it: minutes in memory, far longer on the real registry.
TEST_F(JournalDamage, AHugeCounterCostsOnlyTheRecordsThatExist)
{
    Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
    PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "DefaultTTL", "String", "32"});
    PutRecord(2000000000, {"0", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "Added", "", ""});
    Mstcp().SetValue("Added", RawValue::Text("x"));
    PutCounter(0x7FFFFFFE);

    test::BudgetRegistry budget(registry_.Registry(), 1000);
    ScopedRegistryBackend scope(budget);
    std::vector<JournalRecord> records;
    ASSERT_NO_THROW(records = ReadJournal());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].number, 1);
    EXPECT_EQ(records[1].number, 2000000000);

    bool restored = false;
    ASSERT_NO_THROW(restored = RestoreAllSettings());
    EXPECT_TRUE(restored);
    EXPECT_EQ(Mstcp().FindValue("DefaultTTL")->value, RawValue::Text("32"));
    EXPECT_FALSE(Mstcp().FindValue("Added"));
    EXPECT_FALSE(RegKeyExists(LM, StoreKey));
}

}  // namespace
}  // namespace vx
