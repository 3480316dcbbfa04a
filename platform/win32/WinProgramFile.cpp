#include "platform/win32/WinProgramFile.h"

#include <windows.h>

namespace vx::platform {

std::string WinProgramFile::FullName()
{
    char name[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, name, MAX_PATH);
    // A name that filled the buffer may be cut short; better none than a wrong one.
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(name, length);
}

template <>
ProgramFile& DefaultService<ProgramFile>()
{
    static WinProgramFile program;
    return program;
}

}  // namespace vx::platform
