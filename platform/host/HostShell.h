#pragma once
#include <vector>

#include "platform/Shell.h"

namespace vx::platform {

// Records every shell request instead of starting anything.
class HostShell : public Shell {
public:
    bool Execute(const ShellRequest& request) override
    {
        requests_.push_back(request);
        return succeeds_;
    }

    const std::vector<ShellRequest>& Requests() const { return requests_; }
    void SetSucceeds(bool succeeds) { succeeds_ = succeeds; }

private:
    std::vector<ShellRequest> requests_;
    bool succeeds_ = true;
};

}  // namespace vx::platform
