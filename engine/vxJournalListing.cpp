#include "engine/vxJournalListing.h"

#include <algorithm>

#include "common/DecimalText.h"
#include "engine/vxJournalData.h"
#include "engine/vxOriginalSettings.h"
#include "engine/vxRegistryKeys.h"

namespace vx {
namespace {

std::string HexPairs(const std::vector<uint8_t>& bytes)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0f];
    }
    return text;
}

// The number of the record a field name ("S001_4") belongs to, or 0 for any other
// name. The registry finds names without regard to case, so "s001_4" is the same
// field; other spellings of the number ("S1_4", "S0001_4") are not.
int32_t RecordNumberOfField(std::string_view name)
{
    size_t cut = name.rfind('_');
    if (name.empty() || (name.front() != 'S' && name.front() != 's') || cut == std::string_view::npos ||
        cut + 2 != name.size() || name.back() < '1' || name.back() > '6')
        return 0;
    std::string_view digits = name.substr(1, cut - 1);
    std::optional<int32_t> number = ParseDecimal(digits);
    if (!number || *number < 1 || RestoreRecordPrefix(*number).substr(1) != digits)
        return 0;
    return *number;
}

}  // namespace

int32_t JournalCounter(const RegistryKey& store)
{
    auto counter = store.ReadDword(CounterValue);
    return counter ? std::max(static_cast<int32_t>(*counter), 0) : 0;
}

std::vector<int32_t> JournalRecordNumbers(const RegistryKey& store)
{
    const int32_t counter = JournalCounter(store);
    std::vector<int32_t> numbers;
    for (const std::string& name : store.ValueNames())
        if (int32_t number = RecordNumberOfField(name); number >= 1 && number <= counter)
            numbers.push_back(number);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

JournalRecord ReadJournalRecord(const RegistryKey& store, int32_t number)
{
    const std::string prefix = RestoreRecordPrefix(number);
    JournalRecord record;
    record.number = number;
    record.complete = true;
    for (auto [field, text] : {std::pair{1, &record.existed}, {2, &record.rootText}, {3, &record.keyPath},
                               {4, &record.valueName}, {5, &record.typeText}}) {
        std::optional<std::string> read = store.ReadString(RestoreFieldName(prefix, field));
        record.complete = record.complete && read.has_value();
        *text = read.value_or("");
    }
    record.data = store.ReadValue(RestoreFieldName(prefix, 6));
    record.complete = record.complete && record.data.has_value();
    return record;
}

// Undoing such a record would change records not yet undone, or take them all
// away; the engine never makes one.
bool AimsAtJournal(const JournalRecord& record)
{
    if (JournalRootFromText(record.rootText) != RegRoot::LocalMachine)
        return false;
    if (IsKeyOrAncestor(record.keyPath, StoreKey) && IsKeyOrAncestor(StoreKey, record.keyPath))
        return true;
    return record.existed == "0" && record.valueName.empty() && IsKeyOrAncestor(record.keyPath, StoreKey);
}

RecordFault FaultOf(const JournalRecord& record)
{
    if (!record.complete || (record.existed != "0" && record.existed != "1") ||
        RelativeKeyPath(record.keyPath).empty())
        return RecordFault::Incomplete;
    if (!JournalRootFromText(record.rootText))
        return RecordFault::UnknownRoot;
    if (AimsAtJournal(record))
        return RecordFault::JournalKey;
    if (record.existed == "1" && !RestoredValue(record.typeText, record.data))
        return RecordFault::UnusableData;
    return RecordFault::None;
}

std::vector<JournalRecord> ReadJournal(const RegistryKey& store)
{
    std::vector<JournalRecord> records;
    for (int32_t number : JournalRecordNumbers(store))
        records.push_back(ReadJournalRecord(store, number));
    return records;
}

std::vector<JournalRecord> ReadJournal()
{
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::Read);
    return store ? ReadJournal(*store) : std::vector<JournalRecord>{};
}

std::string FormatJournalData(const std::optional<RawValue>& data)
{
    if (!data)
        return "";
    if (data->type == RegType::Dword && data->data.size() == 4) {
        uint32_t number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | data->data[static_cast<size_t>(i)];
        return FormatDecimal(number);
    }
    if (data->type == RegType::Sz || data->type == RegType::ExpandSz)
        return TextOfStringData(data->data);
    return HexPairs(data->data);
}

std::string FormatJournalRecord(const JournalRecord& record)
{
    std::string line = FormatDecimal(record.number);
    for (const std::string* field : {&record.existed, &record.rootText, &record.keyPath, &record.valueName,
                                     &record.typeText})
        line += "\t" + *field;
    line += "\t" + FormatJournalData(record.data);
    switch (FaultOf(record)) {
    case RecordFault::None: return line;
    case RecordFault::Incomplete: return line + "\tincomplete";
    default: return line + "\tnot restorable";
    }
}

}  // namespace vx
