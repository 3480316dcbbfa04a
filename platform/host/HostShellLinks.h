#pragma once
#include <optional>
#include <vector>

#include "platform/ShellLinks.h"

namespace vx::platform {

// Saves each shortcut, through the current file service, as a one-line text
// file holding its target, so that tests can read it back; records each request.
class HostShellLinks : public ShellLinks {
public:
    struct Request {
        std::string target;
        std::string linkFile;
        bool operator==(const Request&) const = default;
    };

    ShellLinkResult Create(const std::string& target, const std::string& linkFile) override;

    // The target a saved shortcut holds, or nullopt.
    static std::optional<std::string> TargetOf(const std::string& linkFile);

    const std::vector<Request>& Requests() const { return requests_; }
    // Makes every further request fail as when COM cannot make the object.
    void SetUnavailable(bool unavailable) { unavailable_ = unavailable; }

private:
    std::vector<Request> requests_;
    bool unavailable_ = false;
};

}  // namespace vx::platform
