#pragma once
// The click that the programs play before every button action, made here rather
// than shipped: a RIFF WAVE file, PCM, mono, 11025 samples/s, 8 bits, 1128 data
// bytes, 1172 bytes in all.
#include <cstdint>
#include <vector>

namespace vx::widgets {

constexpr const char* TickWaveName = "Tick.wav";

std::vector<std::uint8_t> MakeTickWave();

}  // namespace vx::widgets
