#include "tests/engine/RegistrySnapshot.h"

#include <sstream>

namespace vx::test {
namespace {

void Walk(const MemoryKey& key, const std::string& path, std::string_view skip, RegistrySnapshot& out)
{
    if (!skip.empty() && NamesEqual(path, skip))
        return;
    out.keys.insert(path);
    for (const auto& value : key.values)
        out.values[path + "\\" + value.name] = value.value;
    for (const auto& sub : key.subkeys)
        Walk(*sub, path.empty() ? sub->name : path + "\\" + sub->name, skip, out);
}

}  // namespace

std::string Describe(const RawValue& value)
{
    std::ostringstream text;
    text << "type " << static_cast<uint32_t>(value.type) << " [";
    for (uint8_t byte : value.data)
        text << ' ' << static_cast<int>(byte);
    text << " ]";
    return text.str();
}

RegistrySnapshot TakeSnapshot(const MemoryRegistry& registry, const std::string& skipPath)
{
    RegistrySnapshot snapshot;
    Walk(registry.Root(RegRoot::LocalMachine), "", RelativeKeyPath(skipPath), snapshot);
    return snapshot;
}

std::string DescribeDifferences(const RegistrySnapshot& expected, const RegistrySnapshot& actual)
{
    std::ostringstream text;
    for (const auto& key : expected.keys)
        if (!actual.keys.count(key))
            text << "key gone: " << key << "\n";
    for (const auto& key : actual.keys)
        if (!expected.keys.count(key))
            text << "key added: " << key << "\n";
    for (const auto& [name, value] : expected.values) {
        auto found = actual.values.find(name);
        if (found == actual.values.end())
            text << "value gone: " << name << "\n";
        else if (!(found->second == value))
            text << "value changed: " << name << " " << Describe(value) << " -> " << Describe(found->second)
                 << "\n";
    }
    for (const auto& [name, value] : actual.values)
        if (!expected.values.count(name))
            text << "value added: " << name << " " << Describe(value) << "\n";
    return text.str();
}

void PrintTo(const RegistrySnapshot& snapshot, std::ostream* out)
{
    *out << "\n" << DescribeDifferences(RegistrySnapshot{}, snapshot);
}

}  // namespace vx::test

namespace vx {
void PrintTo(const RawValue& value, std::ostream* out) { *out << test::Describe(value); }
}  // namespace vx
