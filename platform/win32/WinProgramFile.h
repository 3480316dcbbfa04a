#pragma once
#include "platform/ProgramFile.h"

namespace vx::platform {

class WinProgramFile : public ProgramFile {
public:
    std::string FullName() override;
};

}  // namespace vx::platform
