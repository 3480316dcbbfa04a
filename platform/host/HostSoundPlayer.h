#pragma once
#include <cstdint>
#include <vector>

#include "platform/SoundPlayer.h"

namespace vx::platform {

// Records what would play. A looped or asynchronous sound counts as playing until
// the next request; a synchronous one has finished when the call returns.
class HostSoundPlayer : public SoundPlayer {
public:
    struct Played {
        std::vector<std::uint8_t> wave;
        SoundFlags flags;
    };

    bool PlayFromMemory(std::span<const std::uint8_t> wave, SoundFlags flags) override;
    bool Stop() override;

    const std::vector<Played>& History() const { return history_; }
    int StopCount() const { return stops_; }
    bool Playing() const { return playing_; }
    void Clear();

private:
    std::vector<Played> history_;
    int stops_ = 0;
    bool playing_ = false;
};

}  // namespace vx::platform
