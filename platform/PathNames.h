#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

// What Windows makes of a path text: its full form and its short (8.3) form.
class PathNames {
public:
    virtual ~PathNames() = default;
    // Made absolute with "." and ".." resolved; the text itself when that fails.
    virtual std::string FullPath(const std::string& path) = 0;
    // The short form of an existing path; the text itself when there is none.
    virtual std::string ShortPath(const std::string& path) = 0;
};

inline PathNames& Paths()
{
    return CurrentService<PathNames>::Get();
}

}  // namespace vx::platform
