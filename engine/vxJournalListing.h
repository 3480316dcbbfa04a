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

// "Counter" of an open store; missing, not a DWORD or negative gives 0.
int32_t JournalCounter(const RegistryKey& store);

// The numbers of the records within the journal's numbering (1 to "Counter") that
// have any field, oldest first. Taken from the store's value names, so the work
// follows the size of the store, not the value of "Counter".
std::vector<int32_t> JournalRecordNumbers(const RegistryKey& store);

// The fields of record `number`; missing fields are empty.
JournalRecord ReadJournalRecord(const RegistryKey& store, int32_t number);

// The records that JournalRecordNumbers names, oldest first.
std::vector<JournalRecord> ReadJournal();

// The saved data as text: a DWORD in decimal, REG_SZ and REG_EXPAND_SZ as
// stored, anything else as lower-case hex pairs.
std::string FormatJournalData(const std::optional<RawValue>& data);

// number, existed flag, root, key path, value name, type text, data; tab-separated.
std::string FormatJournalRecord(const JournalRecord& record);

}  // namespace vx
