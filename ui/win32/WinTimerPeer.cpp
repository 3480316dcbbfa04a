#include "ui/win32/WinTimerPeer.h"

#include "ui/win32/WinBackend.h"

namespace vx::ui::win32 {

WinTimerPeer::~WinTimerPeer()
{
    backend_.StopTimer(id_);
}

}  // namespace vx::ui::win32
