#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// Where the running program's file is.
class ProgramFile {
public:
    virtual ~ProgramFile() = default;
    // The full file name; empty when the system cannot tell.
    virtual std::string FullName() = 0;
};

inline std::string RunningProgramFile() { return CurrentService<ProgramFile>::Get().FullName(); }

// The directory part of a file name, with its trailing separator ("" when there is none).
std::string DirectoryOf(const std::string& fileName);

}  // namespace vx::platform
