#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/NameIndex.h"
#include "common/RegistryBackend.h"

namespace vx {

// One key of the in-memory registry. Names compare without regard to ASCII
// letter case and keep the case they were created with; subkeys and values
// list in insertion order. Change the lists through the methods (appending
// directly is fine too) so the lookup indexes stay right.
struct MemoryKey {
    struct Value {
        std::string name;
        RawValue value;
    };

    std::string name;
    std::vector<Value> values;
    std::vector<std::shared_ptr<MemoryKey>> subkeys;
    bool deleted = false;  // open handles on a deleted key fail, as on Windows

    Value* FindValue(std::string_view valueName);
    const Value* FindValue(std::string_view valueName) const;
    MemoryKey* FindSubkey(std::string_view subkeyName) const;
    std::shared_ptr<MemoryKey> SubkeyPtr(std::string_view subkeyName) const;
    MemoryKey& AddSubkey(std::string_view subkeyName);
    void SetValue(std::string_view valueName, RawValue value);
    bool RemoveValue(std::string_view valueName);
    bool RemoveSubkey(std::string_view subkeyName);

private:
    size_t ValuePosition(std::string_view valueName) const;
    size_t SubkeyPosition(std::string_view subkeyName) const;

    mutable NameIndex valueIndex_;
    mutable NameIndex subkeyIndex_;
};

class MemoryRegistry : public RegistryBackend {
public:
    MemoryRegistry();

    std::unique_ptr<RegistryKey> OpenKey(RegRoot root, std::string_view path, KeyAccess access,
                                         bool create = false) override;
    bool KeyExists(RegRoot root, std::string_view path) override;
    bool DeleteKey(RegRoot root, std::string_view path) override;

    // Direct access for loading, saving and comparing whole registries.
    MemoryKey& Root(RegRoot root);
    const MemoryKey& Root(RegRoot root) const;
    // nullptr when any key of the path is missing.
    std::shared_ptr<MemoryKey> Find(RegRoot root, std::string_view path) const;
    MemoryKey& Create(RegRoot root, std::string_view path);
    // Deletes the key and everything below it, read-only or not; false when it
    // is missing or is a root.
    bool Remove(RegRoot root, std::string_view path);
    void Clear();

    // Makes every write fail, as a registry without write access does.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool ReadOnly() const { return readOnly_; }

private:
    std::array<std::shared_ptr<MemoryKey>, 5> roots_;
    bool readOnly_ = false;
};

// The whole of both registries equal, names compared exactly, order included.
bool operator==(const MemoryKey& a, const MemoryKey& b);

}  // namespace vx
