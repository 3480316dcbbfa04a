#pragma once
#include <utility>

#include "platform/ProgramFile.h"

namespace vx::platform {

class HostProgramFile : public ProgramFile {
public:
    explicit HostProgramFile(std::string fullName = {}) : fullName_(std::move(fullName)) {}
    std::string FullName() override { return fullName_; }

private:
    std::string fullName_;
};

}  // namespace vx::platform
