// unvlx.exe: the uninstaller, in the Windows directory. Message boxes only; the
// work is in uninstall/.
#include <windows.h>

#include <string>
#include <vector>

#include "common/PlatformKind.h"
#include "uninstall/Uninstaller.h"

namespace {

std::vector<std::string> SplitArguments(const char* commandLine)
{
    std::vector<std::string> arguments;
    std::string word;
    for (const char* c = commandLine; c != nullptr && *c != '\0'; ++c) {
        if (*c == ' ' || *c == '\t') {
            if (!word.empty()) {
                arguments.push_back(word);
                word.clear();
            }
        } else if (*c != '"') {
            word.push_back(*c);
        }
    }
    if (!word.empty()) {
        arguments.push_back(word);
    }
    return arguments;
}

// While a running copy closes, other windows (this program has none) go on.
void ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    vx::DetectPlatform();
    const vx::platform::WaitHooks wait{ProcessMessages, [](unsigned ms) { Sleep(ms); },
                                       [] { return static_cast<std::uint64_t>(GetTickCount()); }};
    const auto mode = vx::uninstall::ModeFromArguments(SplitArguments(commandLine));
    return vx::uninstall::ExitCode(vx::uninstall::RunUninstall(mode, wait));
}
