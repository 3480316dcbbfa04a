#include "platform/win32/WinSoundPlayer.h"

#include <windows.h>
#include <mmsystem.h>

namespace vx::platform {

WinSoundPlayer::~WinSoundPlayer()
{
    Stop();
}

bool WinSoundPlayer::PlayFromMemory(std::span<const std::uint8_t> wave, SoundFlags flags)
{
    // Stop first: the old bytes may still be in use.
    Stop();
    playing_.assign(wave.begin(), wave.end());
    UINT mode = SND_MEMORY | SND_NODEFAULT | (flags.async ? SND_ASYNC : SND_SYNC);
    if (flags.async && flags.loop)
        mode |= SND_LOOP;
    return sndPlaySoundA(reinterpret_cast<LPCSTR>(playing_.data()), mode) != FALSE;
}

bool WinSoundPlayer::Stop()
{
    return sndPlaySoundA(nullptr, 0) != FALSE;
}

}  // namespace vx::platform

namespace vx::platform {

template <>
SoundPlayer& DefaultService<SoundPlayer>()
{
    static WinSoundPlayer player;
    return player;
}

}  // namespace vx::platform
