#include "widgets/TickSound.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

namespace vx::widgets {

namespace {

constexpr std::uint32_t SampleRate = 11025;
constexpr std::uint32_t DataBytes = 1128;

void Put(std::vector<std::uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A soft wooden knock: two damped partials with a short attack, so it neither
// pops nor rings.
std::uint8_t Sample(std::uint32_t n)
{
    const double t = static_cast<double>(n) / SampleRate;
    const double attack = std::min(1.0, t / 0.0015);
    const double body = std::sin(2 * std::numbers::pi * 1800 * t) * std::exp(-t / 0.010);
    const double knock = 0.6 * std::sin(2 * std::numbers::pi * 650 * t) * std::exp(-t / 0.018);
    const double v = 100 * attack * (body + knock) / 1.6;
    return static_cast<std::uint8_t>(std::clamp(128 + static_cast<int>(std::lround(v)), 0, 255));
}

}  // namespace

std::vector<std::uint8_t> MakeTickWave()
{
    std::vector<std::uint8_t> out;
    out.reserve(44 + DataBytes);
    Put(out, "RIFF");
    Put(out, 36 + DataBytes, 4);
    Put(out, "WAVE");
    Put(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);           // PCM
    Put(out, 1, 2);           // mono
    Put(out, SampleRate, 4);
    Put(out, SampleRate, 4);  // bytes per second
    Put(out, 1, 2);           // block align
    Put(out, 8, 2);           // bits per sample
    Put(out, "data");
    Put(out, DataBytes, 4);
    for (std::uint32_t n = 0; n < DataBytes; ++n)
        out.push_back(Sample(n));
    return out;
}

}  // namespace vx::widgets
