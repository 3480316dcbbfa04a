#include "package/PackageWriter.h"

#include <cstdint>
#include <limits>

#include "package/PackageReader.h"

namespace vx::package {
namespace {

void AppendU32(std::string& out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::optional<std::string> BuildArchive(const std::vector<PackageFile>& files)
{
    if (files.size() > MaxEntries) {
        return std::nullopt;
    }
    std::string archive(ArchiveMagic, 4);
    AppendU32(archive, static_cast<std::uint32_t>(files.size()));
    for (const PackageFile& file : files) {
        if (!IsPlainFileName(file.name.data(), file.name.size()) ||
            file.bytes.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
            return std::nullopt;
        }
        archive.push_back(static_cast<char>(file.name.size()));
        archive += file.name;
        AppendU32(archive, static_cast<std::uint32_t>(file.bytes.size()));
        AppendU32(archive, Crc32(reinterpret_cast<const unsigned char*>(file.bytes.data()), file.bytes.size()));
        archive += file.bytes;
    }
    if (archive.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
        return std::nullopt;
    }
    const auto length = static_cast<std::uint32_t>(archive.size());
    AppendU32(archive, length);
    archive.append(TrailerMagic, 4);
    // The reader is the judge of duplicates and every other rule.
    const PackageReader check(reinterpret_cast<const unsigned char*>(archive.data()), archive.size());
    if (!check.IsSound()) {
        return std::nullopt;
    }
    return archive;
}

}  // namespace vx::package
