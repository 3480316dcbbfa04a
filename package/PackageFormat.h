#pragma once
// The setup package: the stub program with an archive of the distribution files
// appended. Little-endian throughout:
//
//   archive := "VXPK" count:u32 entry... trailer
//   entry   := nameLength:u8 name size:u32 crc32:u32 bytes[size]
//   trailer := archiveLength:u32 "VXPE"     (archiveLength counts from "VXPK")
//
// The trailer lets the stub find the archive from the end of its own file. This
// code is freestanding (no library calls, no allocation) because the stub runs
// without a C runtime.
#include <cstddef>
#include <cstdint>

namespace vx::package {

inline constexpr char ArchiveMagic[4] = {'V', 'X', 'P', 'K'};
inline constexpr char TrailerMagic[4] = {'V', 'X', 'P', 'E'};
inline constexpr std::size_t TrailerSize = 8;
inline constexpr std::size_t MaxNameLength = 64;
// More files than a distribution could ever carry marks a damaged count.
inline constexpr std::uint32_t MaxEntries = 64;

struct PackageEntry {
    const char* name = nullptr;
    std::uint32_t nameLength = 0;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    std::uint32_t checksum = 0;
};

// CRC-32 as zip computes it; `crc` continues an earlier run.
std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc = 0);

// A plain file name: no directory, drive or device part can reach the target.
bool IsPlainFileName(const char* name, std::size_t length);

}  // namespace vx::package
