#pragma once
#include "package/PackageFormat.h"

namespace vx::package {

// Finds the archive at the end of a package image and checks all of it before
// anything is taken out: trailer, names, sizes, checksums and that no name comes
// twice. A package that fails any check is damaged as a whole.
class PackageReader {
public:
    PackageReader(const unsigned char* image, std::size_t size);

    bool IsSound() const { return sound_; }
    std::uint32_t Count() const { return sound_ ? count_ : 0; }
    // The entry at `index` of a sound package.
    PackageEntry At(std::uint32_t index) const;

private:
    bool Locate(const unsigned char* image, std::size_t size);
    bool ParseEntry(std::size_t& offset, PackageEntry& entry) const;
    bool CheckAll() const;

    const unsigned char* archive_ = nullptr;
    std::size_t archiveSize_ = 0;
    std::uint32_t count_ = 0;
    bool sound_ = false;
};

}  // namespace vx::package
