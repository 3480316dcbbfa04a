#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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

    MemoryKey() = default;
    MemoryKey(const MemoryKey&) = default;
    MemoryKey(MemoryKey&&) = default;
    MemoryKey& operator=(const MemoryKey&) = default;
    MemoryKey& operator=(MemoryKey&&) = default;
    // Takes the tree apart without recursion: a loaded tree may be deep.
    ~MemoryKey();

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

// Calls visit(key, depth) for `top` (depth 0) and every key below it, each key
// before its subkeys, in list order. Iterative, so a deep tree cannot exhaust the stack.
template <class Key, class Visit>
void VisitKeys(Key& top, Visit visit)
{
    std::vector<std::pair<Key*, size_t>> pending{{&top, 0}};
    while (!pending.empty()) {
        auto [key, depth] = pending.back();
        pending.pop_back();
        visit(*key, depth);
        for (auto sub = key->subkeys.rbegin(); sub != key->subkeys.rend(); ++sub)
            pending.push_back({sub->get(), depth + 1});
    }
}

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
    // Makes every missing key of the path, however deep; OpenKey refuses to
    // create keys deeper than MaxKeyDepth, as Windows does.
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
