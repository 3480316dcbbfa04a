#include "ui/Label.h"

#include "ui/Canvas.h"

namespace vx::ui {

void Label::Paint(Canvas& canvas)
{
    const Rect r = ClientRect();
    if (!transparent_)
        canvas.FillRect(r);
    TextFormat format = ToTextFormat(alignment_) | TextFormat::ExpandTabs;
    if (wordWrap_)
        format |= TextFormat::WordBreak;
    if (!showAccelChar_)
        format |= TextFormat::NoPrefix;
    if (!IsEnabledInTree()) {
        // The embossed look of disabled text.
        canvas.font.color = clBtnHighlight;
        canvas.DrawText(r.Offsetted(1, 1), Caption(), format);
        canvas.font.color = clBtnShadow;
    }
    canvas.DrawText(r, Caption(), format);
}

}  // namespace vx::ui
