#pragma once
// How a journal record holds a value: its type text ("_5") and its saved data
// ("_6"). "String" and "Integer" are the original record types; "Binary",
// "ExpandString" and "MultiString" keep the data in the value's own type.
#include <optional>
#include <string>
#include <string_view>

#include "common/RegistryBackend.h"

namespace vx {

inline constexpr std::string_view StringTypeText = "String";
inline constexpr std::string_view IntegerTypeText = "Integer";
inline constexpr std::string_view BinaryTypeText = "Binary";
inline constexpr std::string_view ExpandStringTypeText = "ExpandString";
inline constexpr std::string_view MultiStringTypeText = "MultiString";
inline constexpr std::string_view NoneTypeText = "None";

struct SavedValue {
    std::string typeText;
    RawValue data;  // what the record's "_6" holds
};

// The record form of a value as it is now; nullopt for a type the journal cannot
// hold (REG_NONE, REG_QWORD, a DWORD that is not four bytes, ...).
std::optional<SavedValue> SaveValue(const RawValue& current);

// The value to write back for a record's type text and "_6"; nullopt when the
// type text is not restorable or "_6" does not fit it.
std::optional<RawValue> RestoredValue(std::string_view typeText, const std::optional<RawValue>& saved);

}  // namespace vx
