#include "platform/win32/WinShell.h"

#include <windows.h>
#include <shellapi.h>

namespace vx::platform {
namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

bool WinShell::Execute(const ShellRequest& request)
{
    HINSTANCE result = ShellExecuteA(GetActiveWindow(), OrNull(request.verb), request.target.c_str(),
                                     OrNull(request.parameters), OrNull(request.directory), SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

template <>
Shell& DefaultService<Shell>()
{
    static WinShell shell;
    return shell;
}

}  // namespace vx::platform
