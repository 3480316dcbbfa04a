// Without a screen to read, the area under a window is plain button face.
#include "widgets/ScreenCapture.h"

namespace vx::platform {

template <>
widgets::ScreenCapture& DefaultService<widgets::ScreenCapture>()
{
    static widgets::PlainScreenCapture capture;
    return capture;
}

}  // namespace vx::platform
