#pragma once
// A property a fuzz target checks: when it does not hold, say which and stop, so
// libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vx::fuzz {

inline void Check(bool holds, std::string_view what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

}  // namespace vx::fuzz
