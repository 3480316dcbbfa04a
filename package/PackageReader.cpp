#include "package/PackageReader.h"

namespace vx::package {
namespace {

std::uint32_t ReadU32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

bool SameMagic(const unsigned char* p, const char (&magic)[4])
{
    for (int i = 0; i < 4; ++i) {
        if (p[i] != static_cast<unsigned char>(magic[i])) {
            return false;
        }
    }
    return true;
}

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Windows finds file names without regard to case, so "A" and "a" are one file.
bool SameName(const PackageEntry& a, const PackageEntry& b)
{
    if (a.nameLength != b.nameLength) {
        return false;
    }
    for (std::uint32_t i = 0; i < a.nameLength; ++i) {
        if (Upper(a.name[i]) != Upper(b.name[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

PackageReader::PackageReader(const unsigned char* image, std::size_t size)
{
    sound_ = Locate(image, size) && CheckAll();
}

bool PackageReader::Locate(const unsigned char* image, std::size_t size)
{
    if (image == nullptr || size < TrailerSize + 8) {
        return false;
    }
    const unsigned char* trailer = image + size - TrailerSize;
    if (!SameMagic(trailer + 4, TrailerMagic)) {
        return false;
    }
    const std::uint32_t length = ReadU32(trailer);
    if (length < 8 || length > size - TrailerSize) {
        return false;
    }
    archive_ = trailer - length;
    archiveSize_ = length;
    if (!SameMagic(archive_, ArchiveMagic)) {
        return false;
    }
    count_ = ReadU32(archive_ + 4);
    return count_ <= MaxEntries;
}

bool PackageReader::ParseEntry(std::size_t& offset, PackageEntry& entry) const
{
    // Each step checks what is left before reading, so no length can reach past the archive.
    if (archiveSize_ - offset < 1) {
        return false;
    }
    entry.nameLength = archive_[offset];
    offset += 1;
    if (archiveSize_ - offset < entry.nameLength + 8u) {
        return false;
    }
    entry.name = reinterpret_cast<const char*>(archive_ + offset);
    offset += entry.nameLength;
    entry.size = ReadU32(archive_ + offset);
    entry.checksum = ReadU32(archive_ + offset + 4);
    offset += 8;
    if (archiveSize_ - offset < entry.size) {
        return false;
    }
    entry.data = archive_ + offset;
    offset += entry.size;
    return IsPlainFileName(entry.name, entry.nameLength);
}

bool PackageReader::CheckAll() const
{
    std::size_t offset = 8;
    PackageEntry seen[MaxEntries];
    for (std::uint32_t i = 0; i < count_; ++i) {
        if (!ParseEntry(offset, seen[i]) || Crc32(seen[i].data, seen[i].size) != seen[i].checksum) {
            return false;
        }
        for (std::uint32_t j = 0; j < i; ++j) {
            if (SameName(seen[i], seen[j])) {
                return false;
            }
        }
    }
    // Bytes after the last entry mean the count or a size was changed.
    return offset == archiveSize_;
}

PackageEntry PackageReader::At(std::uint32_t index) const
{
    PackageEntry entry;
    std::size_t offset = 8;
    for (std::uint32_t i = 0; sound_ && i <= index && i < count_; ++i) {
        ParseEntry(offset, entry);
    }
    return entry;
}

}  // namespace vx::package
