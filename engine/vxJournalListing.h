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
    bool complete = false;         // all six fields there, "_1" to "_5" as texts
};

// What keeps a record from being restored. The engine writes a record whole
// before it changes the value, so a record cut off by an interruption stands for
// a change that was never made.
enum class RecordFault {
    None,
    Incomplete,    // a field missing or not a text, a flag other than "0" or "1", no key path
    UnknownRoot,   // "_2" names neither HKEY_LOCAL_MACHINE nor HKEY_CURRENT_USER
    JournalKey,    // it would write into the journal's key, or delete it or a key above it
    UnusableData,  // "_5" and "_6" hold nothing restoring can write back
};

RecordFault FaultOf(const JournalRecord& record);

// "Counter" of an open store; missing, not a DWORD or negative gives 0.
int32_t JournalCounter(const RegistryKey& store);

// The numbers of the records within the journal's numbering (1 to "Counter") that
// have any field, oldest first. Taken from the store's value names, so the work
// follows the size of the store, not the value of "Counter".
std::vector<int32_t> JournalRecordNumbers(const RegistryKey& store);

// The fields of record `number`; missing fields are empty.
JournalRecord ReadJournalRecord(const RegistryKey& store, int32_t number);

// The records that JournalRecordNumbers names, oldest first.
std::vector<JournalRecord> ReadJournal(const RegistryKey& store);
// The same from the store key (none when it cannot be opened).
std::vector<JournalRecord> ReadJournal();

// The saved data as text: a DWORD in decimal, REG_SZ and REG_EXPAND_SZ as
// stored, anything else as lower-case hex pairs.
std::string FormatJournalData(const std::optional<RawValue>& data);

// number, existed flag, root, key path, value name, type text, data; tab-separated.
// A record restoring cannot use gets one more field: "incomplete" or "not restorable".
std::string FormatJournalRecord(const JournalRecord& record);

}  // namespace vx
