#pragma once
// Short wave sounds kept with a window and played from memory, so the program
// needs no sound files on disk.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <vector>

namespace vx::widgets {

class TAHMWaveHolder;

class TAHMInternalWave {
public:
    explicit TAHMInternalWave(TAHMWaveHolder& holder) : holder_(&holder) {}
    TAHMInternalWave(const TAHMInternalWave&) = default;
    // Copies the name and the stored bytes.
    TAHMInternalWave& operator=(const TAHMInternalWave& other);

    const std::string& Wave() const { return wave_; }
    // Taken only while the holder is being loaded.
    void SetWave(std::string name);
    std::string DisplayName() const { return wave_.empty() ? "No Wave Stored" : wave_; }
    bool Looped() const { return looped_; }
    void SetLooped(bool looped) { looped_ = looped; }
    bool Asynchronous() const { return asynchronous_; }
    void SetAsynchronous(bool async) { asynchronous_ = async; }
    const std::vector<std::uint8_t>& FileContents() const { return contents_; }
    void SetFileContents(std::vector<std::uint8_t> contents) { contents_ = std::move(contents); }

    // The stored form of "FileContents": a 4-byte little-endian length, then the
    // file. Reading returns the bytes taken; a length past the stream stores nothing.
    std::size_t LoadFileContents(std::span<const std::uint8_t> stream);
    std::vector<std::uint8_t> SaveFileContents() const;

private:
    TAHMWaveHolder* holder_;
    std::string wave_;
    bool looped_ = false;
    bool asynchronous_ = true;
    std::vector<std::uint8_t> contents_;
};

class TAHMExternalWave {
public:
    const std::string& WavFileName() const { return fileName_; }
    void SetWavFileName(std::string name) { fileName_ = std::move(name); }
    // The file name without its directory.
    std::string DisplayName() const;
    bool Looped() const { return looped_; }
    void SetLooped(bool looped) { looped_ = looped; }
    bool Asynchronous() const { return asynchronous_; }
    void SetAsynchronous(bool async) { asynchronous_ = async; }

private:
    std::string fileName_;
    bool looped_ = false;
    bool asynchronous_ = true;
};

class TAHMWaveHolder {
public:
    TAHMWaveHolder() = default;
    TAHMWaveHolder(const TAHMWaveHolder&) = delete;
    TAHMWaveHolder& operator=(const TAHMWaveHolder&) = delete;

    // Items keep their place as more are added.
    std::deque<TAHMInternalWave>& Internals() { return internals_; }
    std::vector<TAHMExternalWave>& Externals() { return externals_; }
    TAHMInternalWave& AddInternal();

    // Loading from the window's stored form; only then are names taken.
    void BeginLoading() { loading_ = true; }
    void EndLoading() { loading_ = false; }
    bool Loading() const { return loading_; }

    // False for an index out of range or an empty item; otherwise the player's answer.
    bool PlayInternal(int index);
    void StopAll();

private:
    std::deque<TAHMInternalWave> internals_;  // items stay where they are as more are added
    std::vector<TAHMExternalWave> externals_;
    bool loading_ = false;
};

}  // namespace vx::widgets
