#include "engine/vxJournalListing.h"

#include <algorithm>

#include "common/DecimalText.h"
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
    auto text = [&](int field) { return store.ReadString(RestoreFieldName(prefix, field)).value_or(""); };
    return {number, text(1), text(2), text(3), text(4), text(5), store.ReadValue(RestoreFieldName(prefix, 6))};
}

std::vector<JournalRecord> ReadJournal()
{
    std::vector<JournalRecord> records;
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::Read);
    if (!store)
        return records;
    for (int32_t number : JournalRecordNumbers(*store))
        records.push_back(ReadJournalRecord(*store, number));
    return records;
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
    return line + "\t" + FormatJournalData(record.data);
}

}  // namespace vx
