#include "engine/vxOriginalSettings.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "common/DecimalText.h"
#include "common/NameIndex.h"
#include "engine/vxJournalData.h"
#include "engine/vxJournalListing.h"
#include "engine/vxRegistryKeys.h"
#include "platform/MessageBoxes.h"

namespace vx {
namespace {

constexpr int kFieldCount = 6;

void ShowRootMessage() { platform::ShowPlainMessage("Unexpected Root Key value in RegKeySaved"); }

// The record form of the value as it is now; nullopt (after the message) when
// the journal cannot hold its type.
std::optional<SavedValue> CurrentSavedValue(std::string_view existedFlag, RegRoot root,
                                            std::string_view keyPath, std::string_view valueName)
{
    SavedValue none{std::string(NoneTypeText), {}};
    if (existedFlag == "0" || valueName.empty())
        return none;
    auto key = CurrentRegistry().OpenKey(root, keyPath, KeyAccess::Read);
    if (!key)
        return none;
    auto current = key->ReadValue(valueName);
    if (auto saved = current ? SaveValue(*current) : std::nullopt)
        return saved;
    platform::ShowPlainMessage("Unexpected data type of 0 in RegKeySaved");
    return std::nullopt;
}

void DeleteFields(RegistryKey& store, std::string_view prefix)
{
    for (int field = 1; field <= kFieldCount; ++field)
        store.DeleteValue(RestoreFieldName(prefix, field));
}

bool CopyFields(RegistryKey& store, std::string_view from, std::string_view to)
{
    for (int field = 1; field <= kFieldCount; ++field) {
        auto value = store.ReadValue(RestoreFieldName(from, field));
        if (!value || !store.WriteValue(RestoreFieldName(to, field), *value))
            return false;
    }
    return true;
}

// Numbers the records 1, 2, ... in their order and lowers "Counter" to the last,
// dropping the cut-off ones. A record is copied whole before its old fields go,
// so wherever this stops every record is still there, in order, at least once.
bool RenumberJournal(RegistryKey& store)
{
    int32_t next = 1;
    for (int32_t number : JournalRecordNumbers(store)) {
        const std::string from = RestoreRecordPrefix(number);
        if (FaultOf(ReadJournalRecord(store, number)) == RecordFault::Incomplete) {
            DeleteFields(store, from);
            continue;
        }
        if (number != next) {
            if (!CopyFields(store, from, RestoreRecordPrefix(next)))
                return false;
            DeleteFields(store, from);
        }
        ++next;
    }
    return store.WriteValue(CounterValue, RawValue::Dword(static_cast<uint32_t>(next - 1)));
}

// The number of the next record; nullopt when none can be had. "Counter" at the
// top of its range renumbers the journal first: a number past it would be
// negative, and restore would never find that record.
std::optional<int32_t> NextRecordNumber(RegistryKey& store)
{
    if (JournalCounter(store) == std::numeric_limits<int32_t>::max() && !RenumberJournal(store))
        return std::nullopt;
    int32_t counter = JournalCounter(store);
    if (counter == std::numeric_limits<int32_t>::max())
        return std::nullopt;  // more than two thousand million records
    return counter + 1;
}

// Takes back a record that could not be written whole. Should that fail too, the
// record stays incomplete, and restoring passes over it.
void DropPartialRecord(RegistryKey& store, const std::string& prefix, int32_t previousCounter)
{
    DeleteFields(store, prefix);
    store.WriteValue(CounterValue, RawValue::Dword(static_cast<uint32_t>(previousCounter)));
}

// Removes what an earlier journal or another program left in the fields of a
// number beyond "Counter", before raising "Counter" to it: a stale field must
// never become part of a record. False when one could not be removed.
bool ClearFields(RegistryKey& store, std::string_view prefix)
{
    for (int field = 1; field <= kFieldCount; ++field) {
        std::string name = RestoreFieldName(prefix, field);
        if (store.ValueExists(name) && !store.DeleteValue(name))
            return false;
    }
    return true;
}

bool WriteRecord(RegistryKey& store, const std::string& prefix, const std::vector<RawValue>& fields)
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (!store.WriteValue(RestoreFieldName(prefix, static_cast<int>(i) + 1), fields[i]))
            return false;
    return true;
}

bool Exists(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    return valueName.empty() ? RegKeyExists(root, keyPath) : RegValueExists(root, keyPath, valueName);
}

// The name of an existing value as the registry holds it ("sackopts" for SackOpts),
// so a value deleted and put back keeps its own spelling; nullopt when the value
// does not exist.
std::optional<std::string> StoredValueName(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    auto key = CurrentRegistry().OpenKey(root, keyPath, KeyAccess::Read);
    if (!key || !key->ValueExists(valueName))
        return std::nullopt;
    for (std::string& name : key->ValueNames())
        if (NamesEqual(name, valueName))
            return std::move(name);
    return std::string(valueName);
}

// Records the value once, before its first change, under its stored name when it
// exists. False when no record could be made.
bool JournalValue(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    std::optional<std::string> stored;
    if (!valueName.empty())
        stored = StoredValueName(root, keyPath, valueName);
    const bool existed = valueName.empty() ? RegKeyExists(root, keyPath) : stored.has_value();
    const std::string_view name = stored ? std::string_view(*stored) : valueName;
    return RegKeySaved(root, keyPath, name) || AddRestoreEntry(existed ? "1" : "0", root, keyPath, name);
}

// The first key of the path that is missing, as the path spells it; empty when
// none is. Writing with create makes it and every key below it.
std::string FirstMissingKey(RegRoot root, std::string_view keyPath)
{
    for (size_t end = 0; end < keyPath.size();) {
        end = keyPath.find_first_not_of('\\', end);
        end = std::min(keyPath.find('\\', end), keyPath.size());
        std::string_view key = keyPath.substr(0, end);
        if (!RelativeKeyPath(key).empty() && !RegKeyExists(root, key))
            return std::string(key);
    }
    return "";
}

// A write that creates its key records the creation first, as a whole-key record,
// so restoring removes the key again. Keys on the journal's own path are made by
// the journal and are left out.
bool JournalKeyCreation(RegRoot root, std::string_view keyPath)
{
    if (!JournalRootText(root) || RegKeyExists(root, keyPath))
        return true;
    if (!CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::ReadWrite, true))
        return false;
    std::string created = FirstMissingKey(root, keyPath);
    return created.empty() || RegKeySaved(root, created, "") || AddRestoreEntry("0", root, created, "");
}

// Puts back the state a record without fault holds; false when it could not be written.
bool UndoRecord(RegRoot root, const JournalRecord& record)
{
    if (record.existed == "0") {
        if (record.valueName.empty())
            RegDeleteKeyIfPresent(root, record.keyPath);
        else
            RegDeleteValueIfPresent(root, record.keyPath, record.valueName);
        return !Exists(root, record.keyPath, record.valueName);
    }
    auto value = RestoredValue(record.typeText, record.data);
    auto key = CurrentRegistry().OpenKey(root, record.keyPath, KeyAccess::ReadWrite, true);
    return value && key && key->WriteValue(record.valueName, *value);
}

void ShowFaultMessage(const std::string& prefix, RecordFault fault)
{
    switch (fault) {
    case RecordFault::Incomplete:
        platform::ShowPlainMessage("Incomplete record " + prefix + " in DeleteRestoreEntry");
        break;
    case RecordFault::UnknownRoot:
        platform::ShowPlainMessage("Unexpected root key in DeleteRestoreEntry with \"" + prefix);
        break;
    case RecordFault::JournalKey:
        platform::ShowPlainMessage("Unexpected key path in DeleteRestoreEntry with \"" + prefix);
        break;
    case RecordFault::UnusableData: platform::ShowPlainMessage("Unexpected data type in " + prefix + "_5"); break;
    case RecordFault::None: break;
    }
}

}  // namespace

std::string RestoreRecordPrefix(int32_t number)
{
    std::string digits = FormatDecimal(number);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return "S" + digits;
}

std::string RestoreFieldName(std::string_view prefix, int field)
{
    return std::string(prefix) + "_" + static_cast<char>('0' + field);
}

std::optional<std::string_view> JournalRootText(RegRoot root)
{
    switch (root) {
    case RegRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    case RegRoot::CurrentUser: return "HKEY_CURRENT_USER";
    default: return std::nullopt;
    }
}

std::optional<RegRoot> JournalRootFromText(std::string_view text)
{
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser})
        if (JournalRootText(root) == text)
            return root;
    return std::nullopt;
}

bool RegKeySaved(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    auto rootText = JournalRootText(root);
    if (!rootText) {
        ShowRootMessage();
        return false;
    }
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::Read);
    if (!store)
        return false;
    // Only a record restoring can use holds the earlier state: stale, cut-off or
    // damaged fields must not pass a value as journalled.
    for (int32_t number : JournalRecordNumbers(*store)) {
        if (store->ReadString(RestoreFieldName(RestoreRecordPrefix(number), 4)) != valueName)
            continue;  // the quick test first: most records name other values
        JournalRecord record = ReadJournalRecord(*store, number);
        if (record.rootText == *rootText && record.keyPath == keyPath && FaultOf(record) == RecordFault::None)
            return true;
    }
    return false;
}

bool AddRestoreEntry(std::string_view existedFlag, RegRoot root, std::string_view keyPath,
                     std::string_view valueName)
{
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::ReadWrite, true);
    if (!store)
        return false;
    if (!store->ValueExists(CounterValue))
        store->WriteValue(CounterValue, RawValue::Dword(0));
    auto rootText = JournalRootText(root);
    if (!rootText) {
        ShowRootMessage();
        return false;
    }
    auto saved = CurrentSavedValue(existedFlag, root, keyPath, valueName);
    if (!saved)
        return false;

    std::optional<int32_t> next = NextRecordNumber(*store);
    if (!next)
        return false;
    const int32_t number = *next;
    std::string prefix = RestoreRecordPrefix(number);
    if (!ClearFields(*store, prefix) ||
        !store->WriteValue(CounterValue, RawValue::Dword(static_cast<uint32_t>(number))))
        return false;
    // Always all six fields, so a record that lacks one was cut off.
    std::vector<RawValue> fields{RawValue::Text(existedFlag), RawValue::Text(*rootText),
                                 RawValue::Text(keyPath), RawValue::Text(valueName)};
    if (existedFlag == "0" || saved->typeText == NoneTypeText) {
        fields.push_back(RawValue::Text(existedFlag == "0" ? "" : saved->typeText));
        fields.push_back(RawValue::Text(""));
    } else {
        fields.push_back(RawValue::Text(saved->typeText));
        fields.push_back(saved->data);
    }
    if (WriteRecord(*store, prefix, fields))
        return true;
    DropPartialRecord(*store, prefix, number - 1);
    return false;
}

bool SaveAndSetRegistryValue(RegRoot root, std::string_view keyPath, bool create,
                             const RegistryValue& value, std::string_view valueName, RegValueKind kind)
{
    if (create && !JournalKeyCreation(root, keyPath))
        return false;
    return JournalValue(root, keyPath, valueName) && SetRegistryValue(root, keyPath, create, value, valueName, kind);
}

bool SaveAndDeleteRegistryValue(RegRoot root, std::string_view keyPath, std::string_view valueName)
{
    return Exists(root, keyPath, valueName) && JournalValue(root, keyPath, valueName) &&
           RegDeleteValueIfPresent(root, keyPath, valueName);
}

bool DeleteRestoreEntry(int32_t number, std::vector<SkippedRecord>* skipped)
{
    auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::ReadWrite);
    if (!store)
        return !RegKeyExists(RegRoot::LocalMachine, StoreKey);
    const std::string prefix = RestoreRecordPrefix(number);
    const JournalRecord record = ReadJournalRecord(*store, number);
    if (RecordFault fault = FaultOf(record); fault != RecordFault::None) {
        DeleteFields(*store, prefix);
        ShowFaultMessage(prefix, fault);
        if (skipped)
            skipped->push_back({number, fault});
        return true;
    }
    if (!UndoRecord(*JournalRootFromText(record.rootText), record))
        return false;
    DeleteFields(*store, prefix);
    return true;
}

bool RestoreAllSettings(std::vector<SkippedRecord>* skipped)
{
    std::vector<int32_t> numbers;
    {
        auto store = CurrentRegistry().OpenKey(RegRoot::LocalMachine, StoreKey, KeyAccess::Read);
        if (!store || JournalCounter(*store) < 1)
            return true;
        numbers = JournalRecordNumbers(*store);
    }
    bool restored = true;
    for (auto number = numbers.rbegin(); number != numbers.rend(); ++number)
        restored = DeleteRestoreEntry(*number, skipped) && restored;
    if (!restored)
        return false;
    RegDeleteValueIfPresent(RegRoot::LocalMachine, StoreKey, CounterValue);
    RegDeleteKeyIfPresent(RegRoot::LocalMachine, StoreKey);
    return true;
}

bool HasLegacyBackup()
{
    return GetRegistryValue(RegRoot::LocalMachine, ProductKey, RegValueKind::Integer, "Orig_ttl_TF")
               .AsInteger() != -1;
}

}  // namespace vx
