#pragma once
// A windowless text. Captions may hold line breaks; WordWrap breaks long lines
// at blanks. A transparent label shows what lies beneath it.
#include "ui/Alignment.h"
#include "ui/GraphicControl.h"

namespace vx::ui {

class Label : public GraphicControl {
public:
    using GraphicControl::GraphicControl;

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment alignment) { Set(alignment_, alignment); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent) { Set(transparent_, transparent); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap) { Set(wordWrap_, wrap); }
    // Shows "&" as an underline under the next letter.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show) { Set(showAccelChar_, show); }

protected:
    void Paint(Canvas& canvas) override;

private:
    template <class T>
    void Set(T& field, T value)
    {
        field = value;
        Invalidate();
    }

    Alignment alignment_ = Alignment::Left;
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

}  // namespace vx::ui
