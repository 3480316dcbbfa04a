#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

enum class ShellLinkResult {
    Saved,
    NotSaved,     // the shortcut object worked but the file could not be written
    Unavailable,  // no shortcut object: COM or the shell cannot make one
};

// Shortcut (".lnk") files whose only property is their target.
class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    virtual ShellLinkResult Create(const std::string& target, const std::string& linkFile) = 0;
};

inline ShellLinks& Links()
{
    return CurrentService<ShellLinks>::Get();
}

}  // namespace vx::platform
