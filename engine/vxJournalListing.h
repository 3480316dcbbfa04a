#pragma once
// Reading the journal back, record by record, for display and checks.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RegistryBackend.h"

namespace vx {

struct JournalRecord {
    int32_t number = 0;
    std::string existed, rootText, keyPath, valueName, typeText;
    std::optional<RawValue> data;  // the "_6" field
};

// The fields of the record with this prefix (S001); missing fields are empty.
// The number is left 0.
JournalRecord ReadJournalRecord(const RegistryKey& store, std::string_view prefix);

// Records 1 to "Counter" that exist, oldest first.
std::vector<JournalRecord> ReadJournal();

// The saved data as text: a DWORD in decimal, REG_SZ and REG_EXPAND_SZ as
// stored, anything else as lower-case hex pairs.
std::string FormatJournalData(const std::optional<RawValue>& data);

// number, existed flag, root, key path, value name, type text, data; tab-separated.
std::string FormatJournalRecord(const JournalRecord& record);

}  // namespace vx
