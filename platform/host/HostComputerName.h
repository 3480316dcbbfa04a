#pragma once
#include "platform/ComputerName.h"

namespace vx::platform {

// Answers with a scripted name, or fails when the name is set to nullopt.
class HostComputerName : public ComputerName {
public:
    std::optional<std::string> Query() override
    {
        ++queries_;
        return name_;
    }

    void Set(std::optional<std::string> name) { name_ = std::move(name); }
    int Queries() const { return queries_; }

private:
    std::optional<std::string> name_ = "VXHOST";
    int queries_ = 0;
};

}  // namespace vx::platform
