// The journal as an interrupted apply, another program or a careless hand may
// leave it: records cut off, stale fields, odd counters. Restoring must act only
// on what the journal really holds, and never harm what it does not name.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/RegistryCalls.h"
#include "engine/vxJournalListing.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxRegistryKeys.h"
#include "platform/host/HostMessageBoxes.h"
#include "tests/engine/BudgetRegistry.h"
#include "tests/engine/FixtureRegistry.h"
#include "tests/engine/PowerCutRegistry.h"
#include "tests/engine/RegistrySnapshot.h"

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
    bool SetTtl(const char* text)
    {
        return SaveAndSetRegistryValue(LM, MstcpKey, false, RegistryValue::String(text), "DefaultTTL",
                                       RegValueKind::String);
    }
    RawValue Ttl() { return Mstcp().FindValue("DefaultTTL")->value; }

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

// A record is written whole before its value is changed, but a power cut can
// stop it after any field. Cut after "_3", the record of a value that did not
// exist once read as a whole-key record: restore deleted the MSTCP key with all
// its values and reported success. Cut after "_2", every restore failed. The
// second record shows that no cut-off record is acted on.
TEST_F(JournalDamage, ARecordCutOffAtAnyFieldIsPassedOverAndReported)
{
    const std::vector<const char*> records[] = {
        {"0", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "DefaultRcvWindow", "", ""},
        {"1", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "DefaultTTL", "String", "32"},
    };
    for (const auto& fields : records) {
        for (size_t written = 1; written < fields.size(); ++written) {
            SCOPED_TRACE("flag " + std::string(fields[0]) + ", name \"" + fields[3] + "\", fields written: " +
                         std::to_string(written));
            registry_.Registry().Clear();
            boxes_.Clear();
            Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
            PutRecord(1, std::vector<const char*>(fields.begin(), fields.begin() + static_cast<long>(written)));
            PutCounter(1);
            ASSERT_EQ(ReadJournal().size(), 1u);
            EXPECT_TRUE(FormatJournalRecord(ReadJournal()[0]).ends_with("\tincomplete"));
            const auto before = test::TakeSnapshot(registry_.Registry(), std::string(StoreKey));

            std::vector<SkippedRecord> skipped;
            EXPECT_TRUE(RestoreAllSettings(&skipped));
            EXPECT_EQ(test::TakeSnapshot(registry_.Registry()), before);
            EXPECT_EQ(skipped, (std::vector<SkippedRecord>{{1, RecordFault::Incomplete}}));
            EXPECT_EQ(Messages(), std::vector<std::string>{"Incomplete record S001 in DeleteRestoreEntry"});
        }
    }
}

// What the listing marks, and why restore would pass the record over.
TEST_F(JournalDamage, TheListingMarksRecordsRestoringCannotUse)
{
    struct Case {
        std::vector<const char*> fields;
        RawValue data;  // "_6"
        const char* mark;
    };
    const char* mstcp = MstcpKey.data();
    const Case cases[] = {
        {{"1", "HKEY_LOCAL_MACHINE", mstcp, "V", "String"}, RawValue::Text("32"), ""},
        {{"0", "HKEY_LOCAL_MACHINE", mstcp, "V", ""}, RawValue::Text(""), ""},
        {{"1", "HKEY_LOCAL_MACHINE", mstcp, "V", "Integer"}, RawValue::Text("32"), "\tnot restorable"},
        {{"1", "HKEY_LOCAL_MACHINE", mstcp, "V", "None"}, RawValue::Text(""), "\tnot restorable"},
        {{"1", "HKEY_CLASSES_ROOT", mstcp, "V", "String"}, RawValue::Text("32"), "\tnot restorable"},
        {{"", "HKEY_LOCAL_MACHINE", mstcp, "V", "String"}, RawValue::Text("32"), "\tincomplete"},
        {{"yes", "HKEY_LOCAL_MACHINE", mstcp, "V", "String"}, RawValue::Text("32"), "\tincomplete"},
        {{"1", "HKEY_LOCAL_MACHINE", "\\", "V", "String"}, RawValue::Text("32"), "\tincomplete"},
        {{"1", "HKEY_LOCAL_MACHINE", mstcp, "V", nullptr}, RawValue::Text("32"), "\tincomplete"},
    };
    for (const Case& c : cases) {
        registry_.Registry().Clear();
        PutRecord(1, c.fields);
        Store().SetValue("S001_6", c.data);
        PutCounter(1);
        const auto records = ReadJournal();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_TRUE(FormatJournalRecord(records[0]).ends_with("\t" + FormatJournalData(c.data) + c.mark))
            << FormatJournalRecord(records[0]);
    }
}

// A field that is not a text counts as missing.
TEST_F(JournalDamage, AFieldOfTheWrongTypeMakesTheRecordIncomplete)
{
    Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
    PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", MstcpKey.data(), nullptr, "String", "32"});
    Store().SetValue("S001_4", RawValue::Dword(7));
    PutCounter(1);
    std::vector<SkippedRecord> skipped;
    EXPECT_TRUE(RestoreAllSettings(&skipped));
    EXPECT_EQ(skipped, (std::vector<SkippedRecord>{{1, RecordFault::Incomplete}}));
    EXPECT_EQ(Mstcp().FindValue("DefaultTTL")->value, RawValue::Text("64"));
}

// Fields that do not make a restorable record within 1..Counter once passed
// DefaultTTL as journalled, so it was changed without a record and restore
// could not bring it back.
TEST_F(JournalDamage, OnlyARestorableRecordWithinTheNumberingCountsAsJournalled)
{
    const char* mstcp = MstcpKey.data();
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"a stale record beyond Counter",
         [&] {
             PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", mstcp, "Other", "String", "a"});
             PutRecord(50, {"1", "HKEY_LOCAL_MACHINE", mstcp, "DefaultTTL", "String", "999"});
             PutCounter(1);
         }},
        {"a data type restore cannot use",
         [&] {
             PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", mstcp, "DefaultTTL", "Bogus", "64"});
             PutCounter(1);
         }},
        {"a record cut off before its data",
         [&] {
             PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", mstcp, "DefaultTTL", "String"});
             PutCounter(1);
         }},
        {"neighbouring values that are no record",
         [&] {
             PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", mstcp, "Other", "String", "a"});
             for (auto [name, text] : {std::pair{"A_2", "HKEY_LOCAL_MACHINE"}, {"A_3", mstcp}, {"A_4", "DefaultTTL"}})
                 Store().SetValue(name, RawValue::Text(text));
             PutCounter(1);
         }},
    };
    for (const auto& [what, putJournal] : cases) {
        registry_.Registry().Clear();
        Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
        Mstcp().SetValue("Other", RawValue::Text("a"));
        putJournal();
        EXPECT_FALSE(RegKeySaved(LM, MstcpKey, "DefaultTTL")) << what;
        ASSERT_TRUE(SetTtl("128")) << what;
        EXPECT_TRUE(RegKeySaved(LM, MstcpKey, "DefaultTTL")) << what;
        RestoreAllSettings();
        EXPECT_EQ(Ttl(), RawValue::Text("64")) << what;
    }
}

// A stale record just beyond Counter must not join the journal when Counter is
// raised to its number and the power fails before the new fields are written.
TEST_F(JournalDamage, APowerCutWhileRecordingNeverLetsStaleFieldsIn)
{
    for (long changes = 0; changes <= 16; ++changes) {
        registry_.Registry().Clear();
        Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
        PutRecord(2, {"1", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "DefaultTTL", "String", "999"});
        PutCounter(1);
        {
            test::PowerCutRegistry cut(registry_.Registry(), changes);
            ScopedRegistryBackend scope(cut);
            SetTtl("128");
        }
        RestoreAllSettings();
        EXPECT_EQ(Ttl(), RawValue::Text("64")) << "power cut after " << changes << " changes";
    }
}

// With "Counter" at 0x7FFFFFFF the next record once became S-2147483648, which
// restore never walks: that value was silently not restored. The journal is
// renumbered instead, in order, and a power cut at any point of it loses nothing.
TEST_F(JournalDamage, ACounterAtTheTopOfItsRangeRenumbersTheJournal)
{
    const char* mstcp = MstcpKey.data();
    for (long changes = 0; changes <= 80; ++changes) {
        SCOPED_TRACE("power cut after " + std::to_string(changes) + " changes");
        registry_.Registry().Clear();
        for (const char* name : {"A", "B", "DefaultTTL"})
            Mstcp().SetValue(name, RawValue::Text("changed"));
        Mstcp().SetValue("DefaultTTL", RawValue::Text("64"));
        PutRecord(5, {"1", "HKEY_LOCAL_MACHINE", mstcp, "A", "String", "a"});
        PutRecord(70000, {"1", "HKEY_LOCAL_MACHINE", mstcp, "B", "String", "b"});
        PutRecord(900000, {"1", "HKEY_LOCAL_MACHINE", mstcp, "C"});  // cut off
        PutRecord(0x7FFFFFFF, {"1", "HKEY_LOCAL_MACHINE", mstcp, "A", "String", "changed"});
        PutCounter(0x7FFFFFFF);
        bool finished = false;
        {
            test::PowerCutRegistry cut(registry_.Registry(), changes);
            ScopedRegistryBackend scope(cut);
            SetTtl("128");
            finished = !cut.Cut();
        }
        if (finished) {
            std::vector<std::string> lines;
            for (const JournalRecord& record : ReadJournal())
                lines.push_back(FormatJournalRecord(record));
            const std::string start = "\t1\tHKEY_LOCAL_MACHINE\t" + std::string(mstcp) + "\t";
            EXPECT_EQ(lines, (std::vector<std::string>{"1" + start + "A\tString\ta", "2" + start + "B\tString\tb",
                                                       "3" + start + "A\tString\tchanged",
                                                       "4" + start + "DefaultTTL\tString\t64"}));
        }
        RestoreAllSettings();
        for (auto [name, text] : {std::pair{"A", "a"}, {"B", "b"}, {"DefaultTTL", "64"}})
            EXPECT_EQ(Mstcp().FindValue(name)->value, RawValue::Text(text)) << name;
    }
}

// A record aimed at the journal itself, undone newest first, once deleted the
// journal (or rewrote an older record) before the older records were undone.
TEST_F(JournalDamage, ARecordAimedAtTheJournalIsPassedOver)
{
    const char* store = StoreKey.data();
    const std::vector<const char*> aimed[] = {
        {"0", "HKEY_LOCAL_MACHINE", "\\Software\\Quorvex", "", "", ""},
        {"0", "HKEY_LOCAL_MACHINE", "software\\quorvex\\velocitrex\\original settings", "", "", ""},
        {"1", "HKEY_LOCAL_MACHINE", store, "S001_4", "String", ""},
        {"0", "HKEY_LOCAL_MACHINE", store, "S001_6", "", ""},
    };
    for (const auto& fields : aimed) {
        registry_.Registry().Clear();
        boxes_.Clear();
        Mstcp().SetValue("DefaultTTL", RawValue::Text("128"));
        PutRecord(1, {"1", "HKEY_LOCAL_MACHINE", MstcpKey.data(), "DefaultTTL", "String", "64"});
        PutRecord(2, fields);
        PutCounter(2);
        EXPECT_TRUE(FormatJournalRecord(ReadJournal()[1]).ends_with("\tnot restorable")) << fields[2];

        std::vector<SkippedRecord> skipped;
        EXPECT_TRUE(RestoreAllSettings(&skipped));
        EXPECT_EQ(Ttl(), RawValue::Text("64")) << fields[2];
        EXPECT_EQ(skipped, (std::vector<SkippedRecord>{{2, RecordFault::JournalKey}}));
        EXPECT_EQ(Messages(), std::vector<std::string>{"Unexpected key path in DeleteRestoreEntry with \"S002"});
        EXPECT_FALSE(RegKeyExists(LM, StoreKey));
        EXPECT_TRUE(RegKeyExists(LM, ProductKey));
    }
}

}  // namespace
}  // namespace vx
