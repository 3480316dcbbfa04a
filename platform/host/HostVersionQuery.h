#pragma once
#include "platform/VersionQuery.h"

namespace vx::platform {

// Answers with the version a test (or vxtune's --os) sets; Windows XP by default.
class HostVersionQuery : public VersionQuery {
public:
    std::optional<OsVersion> GetVersion() override { return version_; }
    void Set(std::optional<OsVersion> version) { version_ = version; }

private:
    std::optional<OsVersion> version_ = OsVersion{5, 1, 2};
};

}  // namespace vx::platform
