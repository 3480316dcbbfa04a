#pragma once
// The window that shows a control's hint near the pointer. Programs may install a
// class of their own with Application::SetHintWindowClass.
#include <string>

#include "ui/Form.h"

namespace vx::ui {

class HintWindow : public Form {
public:
    HintWindow();

    // The client size the hint text needs, at most maxWidth wide, at (0, 0).
    virtual Rect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the hint in a screen rectangle above the other windows.
    virtual void ActivateHint(const Rect& screen, const std::string& hint);
    void ReleaseHint() { Hide(); }

    const std::string& HintText() const { return Caption(); }

protected:
    void Paint(Canvas& canvas) override;
};

}  // namespace vx::ui
