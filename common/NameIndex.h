#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

// Registry names compare without regard to ASCII letter case.
bool NamesEqual(std::string_view a, std::string_view b);

// A hash index over a growing list of names, so that keys with thousands of
// subkeys or values are searched in constant time. It learns entries appended
// since the last search by itself; call Erase before erasing an entry, Clear
// after any other change. Small lists are searched directly.
class NameIndex {
public:
    static constexpr size_t npos = static_cast<size_t>(-1);

    NameIndex() = default;
    // A copy belongs to other entries: it builds its own index.
    NameIndex(const NameIndex&) {}
    NameIndex& operator=(const NameIndex&)
    {
        Clear();
        return *this;
    }

    void Clear();

    // The position of `name` among the `count` entries whose names nameAt(i) gives.
    template <class NameAt>
    size_t Find(std::string_view name, size_t count, NameAt nameAt)
    {
        if (count < kIndexedFrom) {
            for (size_t i = 0; i < count; ++i)
                if (NamesEqual(nameAt(i), name))
                    return i;
            return npos;
        }
        if (indexed_ > count)
            Clear();
        while (indexed_ < count)
            Add(nameAt);
        for (size_t slot = FoldedHash(name) & Mask();; slot = (slot + 1) & Mask()) {
            uint32_t entry = slots_[slot];
            if (entry == 0)
                return npos;
            if (NamesEqual(nameAt(entry - 1), name))
                return entry - 1;
        }
    }

    // Forgets the entry at `position` of the `count` entries, just before the
    // caller erases it from its list (the later entries then move down by one).
    // Only the names of the erased entry's run of slots are hashed again.
    template <class NameAt>
    void Erase(size_t position, size_t count, NameAt nameAt)
    {
        if (count <= kIndexedFrom || indexed_ > count) {
            Clear();
            return;
        }
        while (indexed_ < count)
            Add(nameAt);
        const auto entry = static_cast<uint32_t>(position + 1);
        size_t hole = FoldedHash(nameAt(position)) & Mask();
        while (slots_[hole] != entry)
            hole = (hole + 1) & Mask();
        // Linear probing: an entry further on in the run moves into the hole
        // unless its own slot lies between the hole and where it stands.
        for (size_t next = (hole + 1) & Mask(); slots_[next] != 0; next = (next + 1) & Mask()) {
            const size_t home = FoldedHash(nameAt(slots_[next] - 1)) & Mask();
            const bool staysPut = hole < next ? (hole < home && home <= next) : (hole < home || home <= next);
            if (!staysPut) {
                slots_[hole] = slots_[next];
                hole = next;
            }
        }
        slots_[hole] = 0;
        for (uint32_t& slot : slots_)
            if (slot > entry)
                --slot;
        --indexed_;
    }

private:
    static constexpr size_t kIndexedFrom = 16;

    static size_t FoldedHash(std::string_view name);
    size_t Mask() const { return slots_.size() - 1; }
    void Place(size_t position, std::string_view name);

    template <class NameAt>
    void Add(NameAt& nameAt)
    {
        if ((indexed_ + 1) * 2 > slots_.size()) {
            slots_.assign(slots_.empty() ? 64 : slots_.size() * 2, 0);
            for (size_t i = 0; i < indexed_; ++i)
                Place(i, nameAt(i));
        }
        Place(indexed_, nameAt(indexed_));
        ++indexed_;
    }

    std::vector<uint32_t> slots_;  // entry position + 1; 0 is a free slot
    size_t indexed_ = 0;
};

}  // namespace vx
