#pragma once
#include <cstdint>
#include <vector>

#include "platform/SoundPlayer.h"

namespace vx::platform {

class WinSoundPlayer : public SoundPlayer {
public:
    ~WinSoundPlayer() override;
    bool PlayFromMemory(std::span<const std::uint8_t> wave, SoundFlags flags) override;
    bool Stop() override;

private:
    // An asynchronous sound reads its bytes while it plays, so they must outlive the caller's.
    std::vector<std::uint8_t> playing_;
};

}  // namespace vx::platform
