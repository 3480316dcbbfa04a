#include "engine/vxJournalListing.h"

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

}  // namespace

JournalRecord ReadJournalRecord(const RegistryKey& store, std::string_view prefix)
{
    auto text = [&](int field) { return store.ReadString(RestoreFieldName(prefix, field)).value_or(""); };
    return {0, text(1), text(2), text(3), text(4), text(5), store.ReadValue(RestoreFieldName(prefix, 6))};
}

std::vector<JournalRecord> ReadJournal()
{
    std::vector<JournalRecord> records;
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::Read);
    if (!store)
        return records;
    auto counter = store->ReadDword(CounterValue);
    int32_t last = counter ? static_cast<int32_t>(*counter) : 0;
    for (int32_t n = 1; n <= last; ++n) {
        std::string prefix = RestoreRecordPrefix(n);
        if (!store->ValueExists(RestoreFieldName(prefix, 1)))
            continue;
        records.push_back(ReadJournalRecord(*store, prefix));
        records.back().number = n;
    }
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
