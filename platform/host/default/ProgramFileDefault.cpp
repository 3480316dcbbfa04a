// Without Windows, the running program is found through the process's own link.
#include <filesystem>
#include <system_error>

#include "platform/host/HostProgramFile.h"

namespace vx::platform {

template <>
ProgramFile& DefaultService<ProgramFile>()
{
    static HostProgramFile program{[] {
        std::error_code error;
        return std::filesystem::read_symlink("/proc/self/exe", error).string();
    }()};
    return program;
}

}  // namespace vx::platform
