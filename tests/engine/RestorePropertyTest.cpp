// For random machines with junk in their journal and random sequences of
// profile, set and apply, some cut off by a power failure, the undo path puts
// back every system value exactly as it was.
#include <gtest/gtest.h>

#include "tests/engine/UndoScenario.h"

namespace vx {
namespace {

TEST(RestoreProperty, UndoReturnsEverySystemValueOfARandomMachine)
{
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        test::SeededChoices choices(seed);
        ASSERT_EQ(test::RunUndoScenario(choices), "") << "seed " << seed;
    }
}

}  // namespace
}  // namespace vx
