// Without Windows, sounds are recorded.
#include "platform/host/HostSoundPlayer.h"

namespace vx::platform {

template <>
SoundPlayer& DefaultService<SoundPlayer>()
{
    static HostSoundPlayer player;
    return player;
}

}  // namespace vx::platform
