#pragma once
// Paints the native controls in the classic Windows look (button face, 3-D
// edges, text) so that host renderings of forms show them.
#include "ui/Form.h"

namespace vx::ui {

class ClassicPainter : public NativePainter {
public:
    void Paint(NativeControl& control, Canvas& canvas) override;
};

}  // namespace vx::ui
