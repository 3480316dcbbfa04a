#pragma once
// Whole-registry snapshots for comparing a registry before and after: every key
// path and every value with its type and bytes, names spelled as the registry
// holds them (a value put back under another spelling differs); the order in
// which keys and values were (re)created does not matter.
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

// The HKEY_LOCAL_MACHINE tree, leaving out the subtree at `skipPath` (if any, in
// any letter case).
RegistrySnapshot TakeSnapshot(const MemoryRegistry& registry, const std::string& skipPath = "");

// A value's type and bytes, for failure messages.
std::string Describe(const RawValue& value);

// The entries in which two snapshots differ, one per line, for failure messages.
std::string DescribeDifferences(const RegistrySnapshot& expected, const RegistrySnapshot& actual);

// For GoogleTest's failure messages: the entries, one per line.
void PrintTo(const RegistrySnapshot& snapshot, std::ostream* out);

}  // namespace vx::test

namespace vx {
// For GoogleTest's failure messages.
void PrintTo(const RawValue& value, std::ostream* out);
}  // namespace vx
