#pragma once
// The system's simple sound player, playing whole wave files from memory
// (sndPlaySound with SND_MEMORY | SND_NODEFAULT).
#include <cstdint>
#include <span>

#include "platform/CurrentService.h"

namespace vx::platform {

struct SoundFlags {
    bool async = false;
    bool loop = false;  // only with async
    friend bool operator==(const SoundFlags&, const SoundFlags&) = default;
};

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // The player keeps its own copy of the bytes while the sound plays.
    virtual bool PlayFromMemory(std::span<const std::uint8_t> wave, SoundFlags flags) = 0;
    // Stops whatever plays.
    virtual bool Stop() = 0;
};

inline SoundPlayer& CurrentSoundPlayer()
{
    return CurrentService<SoundPlayer>::Get();
}

}  // namespace vx::platform
