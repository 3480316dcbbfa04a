#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// The folders Windows reports for the running user.
class SystemFolders {
public:
    virtual ~SystemFolders() = default;
    // As Windows gives it, usually with a trailing backslash; empty when unknown.
    virtual std::string TemporaryDirectory() = 0;
    // Without a trailing backslash (except a drive's root); empty when unknown.
    virtual std::string WindowsDirectory() = 0;
};

inline SystemFolders& Folders()
{
    return CurrentService<SystemFolders>::Get();
}

}  // namespace vx::platform
