#pragma once
// A registry that lets the one it wraps do a fixed amount of work: every open,
// existence check, read, listing and change counts, and the call past the budget
// throws. A loop that runs once per number instead of once per record fails at
// once instead of running for hours.
#include <stdexcept>

#include "tests/engine/HookedRegistry.h"

namespace vx::test {

struct WorkBudgetExceeded : std::runtime_error {
    WorkBudgetExceeded() : std::runtime_error("registry work budget exceeded") {}
};

class BudgetRegistry : public HookedRegistry {
public:
    BudgetRegistry(RegistryBackend& inner, long budget) : HookedRegistry(inner), left_(budget) {}

    bool Permit(Call) override
    {
        if (--left_ < 0)
            throw WorkBudgetExceeded();
        return true;
    }

private:
    long left_;
};

}  // namespace vx::test
