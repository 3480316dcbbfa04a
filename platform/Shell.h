#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// One request to the Windows shell, shown normally; empty fields are left out.
struct ShellRequest {
    std::string target;  // a document, an address or a program
    std::string verb = "open";
    std::string parameters;
    std::string directory;
    bool operator==(const ShellRequest&) const = default;
};

class Shell {
public:
    virtual ~Shell() = default;
    // False when the shell refuses the request.
    virtual bool Execute(const ShellRequest& request) = 0;
};

// Opens a document or an address with the program registered for it.
inline bool ShellOpen(const std::string& target)
{
    ShellRequest request;
    request.target = target;
    return CurrentService<Shell>::Get().Execute(request);
}

}  // namespace vx::platform
