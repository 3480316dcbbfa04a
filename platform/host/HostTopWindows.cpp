#include "platform/host/HostTopWindows.h"

#include <algorithm>
#include <cctype>

namespace vx::platform {
namespace {

bool SameTitle(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

}  // namespace

std::optional<WindowId> HostTopWindows::FindByTitle(const std::string& title)
{
    searches_.push_back(title);
    for (const Entry& entry : windows_) {
        if (Exists(entry.id) && SameTitle(entry.title, title))
            return entry.id;
    }
    return std::nullopt;
}

bool HostTopWindows::PostClose(WindowId window)
{
    Entry* entry = Find(window);
    if (!entry || !Exists(window))
        return false;
    closes_.push_back(entry->title);
    if (OnPostClose)
        OnPostClose(entry->title);
    if (entry->behaviour.acceptsClose && !entry->closePosted) {
        entry->closePosted = true;
        entry->postedAt = Now();
    }
    return true;
}

bool HostTopWindows::Exists(WindowId window)
{
    const Entry* entry = Find(window);
    if (!entry)
        return false;
    return !entry->closePosted || Now() < entry->postedAt + entry->behaviour.closeDelayMs;
}

WindowId HostTopWindows::Add(std::string title, Behaviour behaviour)
{
    windows_.push_back({nextId_, std::move(title), behaviour});
    nextId_ += 4;
    return windows_.back().id;
}

HostTopWindows::Entry* HostTopWindows::Find(WindowId window)
{
    const auto it = std::find_if(windows_.begin(), windows_.end(), [&](const Entry& e) { return e.id == window; });
    return it == windows_.end() ? nullptr : &*it;
}

}  // namespace vx::platform
