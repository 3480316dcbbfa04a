#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// Starts programs from a command line, their window shown normally. A path with
// blanks must be quoted by the caller, or Windows tries each prefix as a program.
class CommandLauncher {
public:
    virtual ~CommandLauncher() = default;
    // False when the program could not be started.
    virtual bool Start(const std::string& commandLine) = 0;
};

inline bool StartCommandLine(const std::string& commandLine)
{
    return CurrentService<CommandLauncher>::Get().Start(commandLine);
}

}  // namespace vx::platform
