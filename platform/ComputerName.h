#pragma once
// The computer's name as Windows keeps it (GetComputerNameA).
#include <optional>
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

class ComputerName {
public:
    virtual ~ComputerName() = default;
    // nullopt when the system cannot tell.
    virtual std::optional<std::string> Query() = 0;
};

inline std::optional<std::string> QueryComputerName()
{
    return CurrentService<ComputerName>::Get().Query();
}

}  // namespace vx::platform
