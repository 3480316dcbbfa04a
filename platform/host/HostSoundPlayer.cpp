#include "platform/host/HostSoundPlayer.h"

namespace vx::platform {

bool HostSoundPlayer::PlayFromMemory(std::span<const std::uint8_t> wave, SoundFlags flags)
{
    history_.push_back({{wave.begin(), wave.end()}, flags});
    playing_ = flags.async;
    return true;
}

bool HostSoundPlayer::Stop()
{
    ++stops_;
    playing_ = false;
    return true;
}

void HostSoundPlayer::Clear()
{
    history_.clear();
    stops_ = 0;
    playing_ = false;
}

}  // namespace vx::platform
