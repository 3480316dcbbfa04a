#pragma once
#include <string>
#include <string_view>

#include "common/RegistryBackend.h"
#include "common/RegistryValue.h"

namespace vx {

// The typed registry layer every other part goes through. No operation raises:
// a missing key, a missing value, a wrong type or a refused access gives the
// kind's missing value on reads and false on writes and deletes.

// The value read as `kind` into `result`, or the kind's missing value. An unknown
// kind shows "GetRegistryValue: unexpected var type" and leaves `result` alone.
void GetRegistryValue(RegRoot root, std::string_view keyPath, RegValueKind kind,
                      std::string_view valueName, RegistryValue& result);
// The same, returning the value.
RegistryValue GetRegistryValue(RegRoot root, std::string_view keyPath, RegValueKind kind,
                               std::string_view valueName);

bool SetRegistryValue(RegRoot root, std::string_view keyPath, bool create,
                      const RegistryValue& value, std::string_view valueName, RegValueKind kind);

bool RegKeyExists(RegRoot root, std::string_view keyPath);
bool RegValueExists(RegRoot root, std::string_view keyPath, std::string_view valueName);
// True only when the key was created now.
bool RegCreateKeyIfMissing(RegRoot root, std::string_view keyPath);
bool RegDeleteKeyIfPresent(RegRoot root, std::string_view keyPath);
bool RegDeleteValueIfPresent(RegRoot root, std::string_view keyPath, std::string_view valueName);

}  // namespace vx
