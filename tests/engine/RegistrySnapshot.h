#pragma once
// Whole-registry snapshots for comparing a registry before and after: every key
// path and every value with its type and bytes, names folded to lower case so
// the order in which values were (re)created does not matter.
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "common/MemoryRegistry.h"

namespace vx::test {

struct RegistrySnapshot {
    std::set<std::string> keys;
    std::map<std::string, RawValue> values;  // "key path\value name"
    bool operator==(const RegistrySnapshot&) const = default;
};

// The HKEY_LOCAL_MACHINE tree, leaving out the subtree at `skipPath` (if any).
RegistrySnapshot TakeSnapshot(const MemoryRegistry& registry, const std::string& skipPath = "");

// The entries in which two snapshots differ, one per line, for failure messages.
std::string DescribeDifferences(const RegistrySnapshot& expected, const RegistrySnapshot& actual);

// For GoogleTest's failure messages: the entries, one per line.
void PrintTo(const RegistrySnapshot& snapshot, std::ostream* out);

}  // namespace vx::test
