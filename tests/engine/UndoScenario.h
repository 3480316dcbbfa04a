#pragma once
// The undo promise as one scenario: a random machine (values of any type, names
// in any letter case), a journal that another program or a careless hand has
// left junk in, a user's steps and an apply (sometimes cut off by a power
// failure), then restore. Everything under HKEY_LOCAL_MACHINE\System must come
// back byte for byte and type for type. The ordinary tests run it for thousands
// of seeds; tests/fuzz runs it on the fuzzer's bytes.
#include <cstdint>
#include <random>
#include <span>
#include <string>

namespace vx::test {

// Where the scenario's choices come from.
class Choices {
public:
    virtual ~Choices() = default;
    virtual uint32_t Next() = 0;

    int Pick(int count) { return static_cast<int>(Next() % static_cast<uint32_t>(count)); }
    bool Chance(int percent) { return Pick(100) < percent; }
};

class SeededChoices final : public Choices {
public:
    explicit SeededChoices(uint32_t seed) : random_(seed) {}
    uint32_t Next() override { return random_(); }

private:
    std::mt19937 random_;
};

// Two bytes a choice; zeros once the bytes run out.
class ByteChoices final : public Choices {
public:
    explicit ByteChoices(std::span<const uint8_t> bytes) : bytes_(bytes) {}
    uint32_t Next() override
    {
        uint32_t value = 0;
        for (int i = 0; i < 2 && !bytes_.empty(); ++i) {
            value = (value << 8) | bytes_.front();
            bytes_ = bytes_.subspan(1);
        }
        return value;
    }

private:
    std::span<const uint8_t> bytes_;
};

// Runs the scenario in a registry of its own; "" when everything under System
// came back, else what differs (or what restore reported).
std::string RunUndoScenario(Choices& choices);

}  // namespace vx::test
