#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "common/NameIndex.h"

namespace vx {
namespace {

// The index once hashed names with plain FNV-1a, the same in every process, so a
// file could bring names that all fall into one slot: 1 MB of them loaded in
// 2.9 s against 0.07 s, and the cost grew with the square of the count. These
// names are found by trial to do that to the old hash.
std::vector<std::string> NamesCollidingUnderPlainFnv(size_t count, size_t slotMask)
{
    auto oldSlot = [slotMask](const std::string& name) {
        uint64_t hash = 14695981039346656037ull;
        for (char c : name) {
            hash ^= static_cast<uint8_t>(c);
            hash *= 1099511628211ull;
        }
        return (hash ^ (hash >> 32)) & slotMask;
    };
    std::vector<std::string> names;
    for (uint64_t candidate = 0; names.size() < count; ++candidate)
        if (std::string name = "n" + std::to_string(candidate); oldSlot(name) == 0)
            names.push_back(name);
    return names;
}

TEST(NameIndex, NamesMadeToCollideCostNoMoreThanAnyOthers)
{
    const size_t count = 500;  // the index grows to 1024 slots
    const std::vector<std::string> names = NamesCollidingUnderPlainFnv(count, 1023);
    NameIndex index;
    long comparisons = 0;
    auto nameAt = [&](size_t i) -> std::string_view {
        ++comparisons;
        return names[i];
    };
    // As a key adds values: look the name up, then append it.
    for (size_t i = 0; i < count; ++i)
        ASSERT_EQ(index.Find(names[i], i, nameAt), NameIndex::npos);
    for (size_t i = 0; i < count; ++i)
        ASSERT_EQ(index.Find(names[i], count, nameAt), i);
    EXPECT_LT(comparisons, static_cast<long>(20 * count));
}

// Erasing moves later entries of a probe run into the hole and renumbers the
// rest; every name must still be found at its new place, and no erased one.
TEST(NameIndex, FindsEveryNameThroughErasesInAnyOrder)
{
    std::mt19937 random(7);
    std::vector<std::string> names;
    NameIndex index;
    auto nameAt = [&](size_t i) -> std::string_view { return names[i]; };
    for (int round = 0; round < 3000; ++round) {
        if (names.size() < 20 || random() % 3 != 0) {
            names.push_back("Name" + std::to_string(random() % 5000));
            if (index.Find(names.back(), names.size() - 1, nameAt) != NameIndex::npos)
                names.pop_back();  // a key holds each name once
        } else {
            const size_t position = random() % names.size();
            const std::string erased = names[position];
            index.Erase(position, names.size(), nameAt);
            names.erase(names.begin() + static_cast<long>(position));
            ASSERT_EQ(index.Find(erased, names.size(), nameAt), NameIndex::npos) << erased;
        }
        if (round % 100 != 0)
            continue;
        for (size_t i = 0; i < names.size(); ++i)
            ASSERT_EQ(index.Find("NAME" + names[i].substr(4), names.size(), nameAt), i) << names[i];
    }
}

}  // namespace
}  // namespace vx
