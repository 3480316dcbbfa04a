#include "platform/host/HostShellLinks.h"

#include "platform/FileSystem.h"

namespace vx::platform {

ShellLinkResult HostShellLinks::Create(const std::string& target, const std::string& linkFile)
{
    requests_.push_back({target, linkFile});
    if (unavailable_)
        return ShellLinkResult::Unavailable;
    return Files().WriteAll(linkFile, target + "\n") ? ShellLinkResult::Saved : ShellLinkResult::NotSaved;
}

std::optional<std::string> HostShellLinks::TargetOf(const std::string& linkFile)
{
    std::optional<std::string> text = Files().ReadAll(linkFile);
    if (text && !text->empty() && text->back() == '\n')
        text->pop_back();
    return text;
}

}  // namespace vx::platform
