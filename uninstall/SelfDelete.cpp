#include "uninstall/SelfDelete.h"

#include "common/PlatformKind.h"
#include "platform/DelayedDelete.h"
#include "uninstall/WininitRenameList.h"

namespace vx::uninstall {

bool ScheduleDeleteAtRestart(const std::string& path)
{
    if (IsWin9xFamily()) {
        return ScheduleDeleteThroughWininit(path);
    }
    return platform::CurrentDelayedDelete().DeleteAtRestart(path);
}

}  // namespace vx::uninstall
