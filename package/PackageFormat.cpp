#include "package/PackageFormat.h"

namespace vx::package {

std::uint32_t Crc32(const unsigned char* data, std::size_t size, std::uint32_t crc)
{
    // Bit by bit: the stub checks about a megabyte once, a table is not worth its size.
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

bool IsPlainFileName(const char* name, std::size_t length)
{
    if (length == 0 || length > MaxNameLength || name[0] == '.') {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c <= ' ' || c >= 0x7F) {
            return false;
        }
        switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
            return false;
        default:
            break;
        }
    }
    return true;
}

}  // namespace vx::package
