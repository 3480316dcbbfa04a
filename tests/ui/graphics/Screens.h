#pragma once
// Saves renderings under build/screens/ so people can look at them
// (convert build/screens/x.bmp x.png).
#include <filesystem>
#include <string>

#include "ui/Bitmap.h"

namespace vx::ui::test {

inline std::string SaveScreen(const Bitmap& picture, const std::string& name)
{
    const std::filesystem::path dir = std::filesystem::path(VX_SOURCE_DIR) / "build" / "screens";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    const std::string path = (dir / (name + ".bmp")).string();
    picture.SaveBmp(path);
    return path;
}

}  // namespace vx::ui::test
