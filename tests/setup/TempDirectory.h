#pragma once
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vx::test {

// A fresh directory for one test's files, removed afterwards.
class TempDirectory {
public:
    TempDirectory()
    {
        static std::atomic<int> counter{0};
        auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("vx-links-" + std::to_string(std::rand()) + "-" + std::to_string(counter++));
        } while (std::filesystem::exists(path_));
        std::filesystem::create_directories(path_);
    }
    ~TempDirectory()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The directory with a trailing separator, as the setup passes directories.
    std::string Prefix() const { return (path_ / "").string(); }

    std::string Write(const std::string& name, std::string_view bytes) const
    {
        std::string fileName = (path_ / name).string();
        std::ofstream(fileName, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return fileName;
    }

private:
    std::filesystem::path path_;
};

// The text as UTF-16 little-endian with its byte-order mark, as Notepad saves "Unicode".
inline std::string Utf16Le(std::string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char c : text) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

}  // namespace vx::test
