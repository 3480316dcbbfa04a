#pragma once
#include <cstdint>

namespace vx::setup {

// The setup program's one process-wide record, shared by its pages and the install engine.
struct SetupState {
    // From "Reseller.txt"; -1 also stands for no reseller.
    int32_t resellerNumber = -1;
};

inline SetupState setupState;

}  // namespace vx::setup
