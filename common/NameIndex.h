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
// since the last search by itself; after any other change call Clear. Small
// lists are searched directly.
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
