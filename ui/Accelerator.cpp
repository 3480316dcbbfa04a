#include "ui/Accelerator.h"

#include <cctype>

namespace vx::ui {

char AcceleratorOf(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;  // "&&" is a plain "&"
    }
    return 0;
}

bool IsAccelerator(char c, std::string_view caption)
{
    const char accel = AcceleratorOf(caption);
    auto upper = [](char ch) { return std::toupper(static_cast<unsigned char>(ch)); };
    return accel != 0 && upper(accel) == upper(c);
}

}  // namespace vx::ui
