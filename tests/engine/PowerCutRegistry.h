#pragma once
// A registry that loses power: after a given number of changes (value writes and
// deletes, key deletes, keys created) every further change fails, so what it
// holds is what a PC that went off at that moment would find on restart.
// Reads keep working, as the program runs on until it notices nothing.
#include "tests/engine/HookedRegistry.h"

namespace vx::test {

class PowerCutRegistry : public HookedRegistry {
public:
    PowerCutRegistry(RegistryBackend& inner, long changesBeforeCut) : HookedRegistry(inner), left_(changesBeforeCut) {}

    bool Permit(Call call) override { return call != Call::Change || left_-- > 0; }
    // Whether a change was refused.
    bool Cut() const { return left_ < 0; }

private:
    long left_;
};

}  // namespace vx::test
