#include "widgets/AHMWaveHolder.h"

#include "platform/SoundPlayer.h"

namespace vx::widgets {

TAHMInternalWave& TAHMInternalWave::operator=(const TAHMInternalWave& other)
{
    wave_ = other.wave_;
    contents_ = other.contents_;
    return *this;
}

void TAHMInternalWave::SetWave(std::string name)
{
    if (holder_->Loading())
        wave_ = std::move(name);
}

std::size_t TAHMInternalWave::LoadFileContents(std::span<const std::uint8_t> stream)
{
    contents_.clear();
    if (stream.size() < 4)
        return stream.size();
    const std::uint32_t n = stream[0] | (stream[1] << 8) | (stream[2] << 16) | (std::uint32_t{stream[3]} << 24);
    if (n > stream.size() - 4)
        return stream.size();
    contents_.assign(stream.begin() + 4, stream.begin() + 4 + n);
    return 4 + n;
}

std::vector<std::uint8_t> TAHMInternalWave::SaveFileContents() const
{
    std::vector<std::uint8_t> out;
    const auto n = static_cast<std::uint32_t>(contents_.size());
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(n >> shift));
    out.insert(out.end(), contents_.begin(), contents_.end());
    return out;
}

std::string TAHMExternalWave::DisplayName() const
{
    if (fileName_.empty())
        return "No Wave specified";
    const auto slash = fileName_.find_last_of("\\/:");
    return slash == std::string::npos ? fileName_ : fileName_.substr(slash + 1);
}

TAHMInternalWave& TAHMWaveHolder::AddInternal()
{
    internals_.emplace_back(*this);
    return internals_.back();
}

bool TAHMWaveHolder::PlayInternal(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= internals_.size())
        return false;
    const TAHMInternalWave& item = internals_[static_cast<std::size_t>(index)];
    if (item.FileContents().empty())
        return false;
    const platform::SoundFlags flags{item.Asynchronous(), item.Asynchronous() && item.Looped()};
    return platform::CurrentSoundPlayer().PlayFromMemory(item.FileContents(), flags);
}

void TAHMWaveHolder::StopAll()
{
    platform::CurrentSoundPlayer().Stop();
}

}  // namespace vx::widgets
