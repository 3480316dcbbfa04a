#include "common/NameIndex.h"

#include <algorithm>

namespace vx {
namespace {
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool NamesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

void NameIndex::Clear()
{
    slots_.clear();
    indexed_ = 0;
}

size_t NameIndex::FoldedHash(std::string_view name)
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : name) {
        hash ^= static_cast<uint8_t>(Lower(c));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash ^ (hash >> 32));
}

void NameIndex::Place(size_t position, std::string_view name)
{
    size_t slot = FoldedHash(name) & Mask();
    while (slots_[slot] != 0)
        slot = (slot + 1) & Mask();
    slots_[slot] = static_cast<uint32_t>(position + 1);
}

}  // namespace vx
