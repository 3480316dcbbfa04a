#include "common/NameIndex.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <memory>

namespace vx {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

uint64_t SplitMix(uint64_t x)
{
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

struct HashKey {
    uint64_t k0, k1;
};

// Drawn once per process from the clock and from where the stack and the heap
// happen to lie. Only the C runtime is asked: this runs on Windows 95 too.
const HashKey& ProcessHashKey()
{
    static const HashKey key = [] {
        int onStack = 0;
        auto onHeap = std::make_unique<int>();
        uint64_t seed = SplitMix(static_cast<uint64_t>(std::time(nullptr)));
        seed = SplitMix(seed ^ static_cast<uint64_t>(std::clock()));
        seed = SplitMix(seed ^ reinterpret_cast<uintptr_t>(&onStack));
        seed = SplitMix(seed ^ reinterpret_cast<uintptr_t>(onHeap.get()));
        return HashKey{SplitMix(seed), SplitMix(seed ^ 0x5851F42D4C957F2Dull)};
    }();
    return key;
}

// SipHash-1-3, fed whole blocks and then the last bytes one by one.
class SipHasher {
public:
    explicit SipHasher(const HashKey& key)
        : v0_(key.k0 ^ 0x736F6D6570736575ull), v1_(key.k1 ^ 0x646F72616E646F6Dull),
          v2_(key.k0 ^ 0x6C7967656E657261ull), v3_(key.k1 ^ 0x7465646279746573ull)
    {
    }

    // Eight bytes, little-endian, while no odd bytes are pending.
    void AddBlock(uint64_t block)
    {
        Absorb(block);
        length_ += 8;
    }

    void Add(uint8_t byte)
    {
        block_ |= static_cast<uint64_t>(byte) << (8 * (length_ % 8));
        if (++length_ % 8 == 0) {
            Absorb(block_);
            block_ = 0;
        }
    }

    uint64_t Finish()
    {
        Absorb(block_ | (static_cast<uint64_t>(length_) << 56));
        v2_ ^= 0xFF;
        for (int i = 0; i < 3; ++i)
            Round();
        return v0_ ^ v1_ ^ v2_ ^ v3_;
    }

private:
    static uint64_t Rotl(uint64_t x, int bits) { return (x << bits) | (x >> (64 - bits)); }

    void Absorb(uint64_t m)
    {
        v3_ ^= m;
        Round();
        v0_ ^= m;
    }

    void Round()
    {
        v0_ += v1_;
        v1_ = Rotl(v1_, 13) ^ v0_;
        v0_ = Rotl(v0_, 32);
        v2_ += v3_;
        v3_ = Rotl(v3_, 16) ^ v2_;
        v0_ += v3_;
        v3_ = Rotl(v3_, 21) ^ v0_;
        v2_ += v1_;
        v1_ = Rotl(v1_, 17) ^ v2_;
        v2_ = Rotl(v2_, 32);
    }

    uint64_t v0_, v1_, v2_, v3_;
    uint64_t block_ = 0;
    size_t length_ = 0;
};

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
    // Keyed per process, so nobody can prepare names that all land in one slot.
    SipHasher hasher(ProcessHashKey());
    size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
        uint64_t block = 0;
        for (size_t i = 0; i < 8; ++i)
            block |= static_cast<uint64_t>(static_cast<uint8_t>(Lower(name[at + i]))) << (8 * i);
        hasher.AddBlock(block);
    }
    for (; at < name.size(); ++at)
        hasher.Add(static_cast<uint8_t>(Lower(name[at])));
    return static_cast<size_t>(hasher.Finish());
}

void NameIndex::Place(size_t position, std::string_view name)
{
    size_t slot = FoldedHash(name) & Mask();
    while (slots_[slot] != 0)
        slot = (slot + 1) & Mask();
    slots_[slot] = static_cast<uint32_t>(position + 1);
}

}  // namespace vx
