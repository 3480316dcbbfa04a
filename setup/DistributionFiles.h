#pragma once
// The files the package unpacks into the extraction directory, in the order
// they are handled, and where each one goes.
#include <array>
#include <string_view>

namespace vx::setup {

enum class FileDestination { InstallDir, WindowsDir, NotInstalled };

struct DistributionFile {
    std::string_view name;
    FileDestination destination;
};

inline constexpr std::array<DistributionFile, 7> DistributionFileSet = {{
    {"velocitrex.exe", FileDestination::InstallDir},
    {"file_id.diz", FileDestination::InstallDir},
    {"readme.txt", FileDestination::InstallDir},
    {"vlxhelp.htm", FileDestination::InstallDir},
    {"unvlx.exe", FileDestination::WindowsDir},
    {"startvlx.exe", FileDestination::NotInstalled},
    {"Reseller.txt", FileDestination::NotInstalled},
}};

}  // namespace vx::setup
