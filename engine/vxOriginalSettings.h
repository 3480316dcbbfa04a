#pragma once
// The journal of earlier system values under StoreKey: every system write goes
// through SaveAndSetRegistryValue or SaveAndDeleteRegistryValue, which record the
// value as it was before its first change, so RestoreAllSettings can put it back.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/RegistryCalls.h"
#include "engine/vxJournalListing.h"

namespace vx {

inline constexpr std::string_view CounterValue = "Counter";

// "S" and the record number, padded to three digits: S001, S042, S1000.
std::string RestoreRecordPrefix(int32_t number);
// The name of one field (1 to 6) of a record: S001_1.
std::string RestoreFieldName(std::string_view prefix, int field);

// "HKEY_LOCAL_MACHINE" / "HKEY_CURRENT_USER"; nullopt for any other root.
std::optional<std::string_view> JournalRootText(RegRoot root);
std::optional<RegRoot> JournalRootFromText(std::string_view text);

// True when a record for exactly this (root, key path, value name) exists.
bool RegKeySaved(RegRoot root, std::string_view keyPath, std::string_view valueName);

// Adds the next record. False when no complete record could be made: an
// unsupported root, a value type the journal cannot hold, or a store that
// cannot be written.
bool AddRestoreEntry(std::string_view existedFlag, RegRoot root, std::string_view keyPath,
                     std::string_view valueName);

// Records the value (once) and then writes it. Nothing is written when the
// record cannot be made.
bool SaveAndSetRegistryValue(RegRoot root, std::string_view keyPath, bool create,
                             const RegistryValue& value, std::string_view valueName, RegValueKind kind);

// Records the value (once) and then deletes it; false when it did not exist,
// could not be recorded or could not be deleted.
bool SaveAndDeleteRegistryValue(RegRoot root, std::string_view keyPath, std::string_view valueName);

// A record that restoring passed over and removed, and why.
struct SkippedRecord {
    int32_t number = 0;
    RecordFault fault = RecordFault::None;
    bool operator==(const SkippedRecord&) const = default;
};

// Undoes record `number` and removes it. A record with a fault is only removed,
// after its message, and added to `skipped`. False only when the saved state
// could not be written back; the record then stays for a later attempt.
bool DeleteRestoreEntry(int32_t number, std::vector<SkippedRecord>* skipped = nullptr);

// Undoes every record that exists within the journal's numbering, newest first,
// and removes the store. When a value could not be written back the store is
// kept and the result is false.
bool RestoreAllSettings(std::vector<SkippedRecord>* skipped = nullptr);

// Whether an earlier layout of saved settings ("Orig_ttl_TF") is present.
bool HasLegacyBackup();

}  // namespace vx
