#pragma once
#include "platform/TopWindows.h"

namespace vx::platform {

class WinTopWindows : public TopWindows {
public:
    std::optional<WindowId> FindByTitle(const std::string& title) override;
    bool PostClose(WindowId window) override;
    bool Exists(WindowId window) override;
};

}  // namespace vx::platform
