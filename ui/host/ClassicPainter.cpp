#include "ui/host/ClassicPainter.h"

#include <array>
#include <string>

#include "ui/Button.h"
#include "ui/Canvas.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/FocusMark.h"
#include "ui/Frame3D.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/OwnerDrawButton.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"

namespace vx::ui {

namespace {

constexpr int BoxSize = 13;
constexpr int ArrowButtonWidth = 16;
constexpr TextFormat OneLine = TextFormat::SingleLine | TextFormat::VCenter;

void Fill(Canvas& canvas, const Rect& r, Color color)
{
    canvas.brush = Brush{color, BrushStyle::Solid};
    canvas.FillRect(r);
}

// Caption text, embossed when disabled.
void Text(Canvas& canvas, const Control& control, const Rect& r, const std::string& text, TextFormat format)
{
    if (control.IsEnabledInTree()) {
        canvas.DrawText(r, text, format);
        return;
    }
    canvas.font.color = clBtnHighlight;
    canvas.DrawText(r.Offsetted(1, 1), text, format);
    canvas.font.color = clGrayText;
    canvas.DrawText(r, text, format);
}

void Triangle(Canvas& canvas, Point centre, bool up)
{
    const int d = up ? -1 : 1;
    const std::array<Point, 3> points{Point{centre.x - 3, centre.y - 1 * d}, Point{centre.x + 3, centre.y - 1 * d},
                                      Point{centre.x, centre.y + 2 * d}};
    canvas.pen = Pen{clBtnText, 1, PenStyle::Solid};
    canvas.brush = Brush{clBtnText, BrushStyle::Solid};
    canvas.Polygon(points);
}

void ArrowButton(Canvas& canvas, const Rect& r, bool up)
{
    Fill(canvas, r, clBtnFace);
    DrawEdge(canvas, r, Edge::Raised);
    Triangle(canvas, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, up);
}

Rect Field(Canvas& canvas, const Control& control)
{
    const Rect inner = DrawEdge(canvas, control.ClientRect(), Edge::Sunken);
    Fill(canvas, inner, control.IsEnabledInTree() ? control.GetColor() : clBtnFace);
    return inner;
}

void PaintPushButton(Button& button, Canvas& canvas)
{
    Rect r = button.ClientRect();
    if (button.Default()) {
        canvas.brush = Brush{clBlack, BrushStyle::Solid};
        canvas.FrameRect(r);
        r.Inflate(-1, -1);
    }
    Fill(canvas, r, clBtnFace);
    DrawEdge(canvas, r, Edge::Raised);
    canvas.font.color = clBtnText;
    Text(canvas, button, r, button.Caption(), TextFormat::Center | OneLine);
    if (button.ShowsFocus())
        DrawFocusMark(canvas, r.Inflated(-4, -4), clBtnText);
}

void CheckMark(Canvas& canvas, const Rect& box)
{
    canvas.pen = Pen{clWindowText, 1, PenStyle::Solid};
    for (int i = 0; i < 3; ++i) {
        canvas.MoveTo(box.left + 3, box.top + 5 + i);
        canvas.LineTo(box.left + 5, box.top + 7 + i);
        canvas.LineTo(box.left + 10, box.top + 2 + i);
    }
}

Rect BoxRect(const Control& control, bool onRight)
{
    const int top = (control.Height() - BoxSize) / 2;
    const int left = onRight ? control.Width() - BoxSize : 0;
    return Rect::Bounds(left, top, BoxSize, BoxSize);
}

void PaintCheckBox(CheckBox& box, Canvas& canvas)
{
    Rect r = box.ClientRect();
    Fill(canvas, r, box.GetColor());
    if (box.Sunken())
        r = DrawEdge(canvas, r, Edge::Sunken);
    if (box.PushLike()) {
        Fill(canvas, r, clBtnFace);
        r = DrawEdge(canvas, r, box.Checked() ? Edge::Sunken : Edge::Raised);
    } else {
        const Rect square = BoxRect(box, box.BoxOnRight());
        const Rect inside = DrawEdge(canvas, square, Edge::Sunken);
        Fill(canvas, inside, box.IsEnabledInTree() ? clWindow : clBtnFace);
        if (box.Checked())
            CheckMark(canvas, square);
        r = box.BoxOnRight() ? Rect{r.left, r.top, square.left - 4, r.bottom} : Rect{square.right + 4, r.top, r.right, r.bottom};
    }
    if (box.Picture()) {
        const Bitmap& picture = *box.Picture();
        canvas.Draw(r.left + (r.Width() - picture.Width()) / 2, r.top + (r.Height() - picture.Height()) / 2, picture);
        return;
    }
    const TextFormat wrap = box.WordWrap() ? TextFormat::WordBreak : OneLine;
    Text(canvas, box, r, box.Caption(), (box.PushLike() ? TextFormat::Center : TextFormat::Left) | wrap);
    if (box.ShowsFocus())
        DrawFocusMark(canvas, r, clWindowText);
}

void PaintRadioButton(RadioButton& radio, Canvas& canvas)
{
    Fill(canvas, radio.ClientRect(), radio.GetColor());
    const Rect circle = Rect::Bounds(0, (radio.Height() - 12) / 2, 12, 12);
    canvas.pen = Pen{clBtnShadow, 1, PenStyle::Solid};
    canvas.brush = Brush{radio.IsEnabledInTree() ? clWindow : clBtnFace, BrushStyle::Solid};
    canvas.Ellipse(circle);
    if (radio.Checked()) {
        canvas.pen.color = clWindowText;
        canvas.brush.color = clWindowText;
        canvas.Ellipse(circle.Inflated(-4, -4));
    }
    const Rect label{circle.right + 4, 0, radio.Width(), radio.Height()};
    Text(canvas, radio, label, radio.Caption(), TextFormat::Left | OneLine);
    if (radio.ShowsFocus())
        DrawFocusMark(canvas, label, clWindowText);
}

void FieldText(Canvas& canvas, const Control& control, Rect r, const std::string& text)
{
    r.left += 2;
    canvas.font.color = control.IsEnabledInTree() ? control.GetFont().color : clGrayText;
    canvas.DrawText(r, text, TextFormat::Left | OneLine | TextFormat::NoPrefix);
}

void PaintEdit(Edit& edit, Canvas& canvas)
{
    FieldText(canvas, edit, Field(canvas, edit), edit.Text());
}

void PaintComboBox(ComboBox& combo, Canvas& canvas)
{
    const Rect inner = Field(canvas, combo);
    const Rect button{inner.right - ArrowButtonWidth, inner.top, inner.right, inner.bottom};
    FieldText(canvas, combo, {inner.left, inner.top, button.left, inner.bottom}, combo.Text());
    ArrowButton(canvas, button, false);
}

void PaintSpinBox(SpinBox& spin, Canvas& canvas)
{
    const Rect inner = Field(canvas, spin);
    const int middle = (inner.top + inner.bottom) / 2;
    const int left = inner.right - ArrowButtonWidth;
    FieldText(canvas, spin, {inner.left, inner.top, left, inner.bottom}, spin.Text());
    ArrowButton(canvas, {left, inner.top, inner.right, middle}, true);
    ArrowButton(canvas, {left, middle, inner.right, inner.bottom}, false);
}

void PaintMemo(Memo& memo, Canvas& canvas)
{
    Rect r = memo.ClientRect();
    if (memo.Border())
        r = DrawEdge(canvas, r, Edge::Sunken);
    Fill(canvas, r, memo.GetColor());
    if (memo.VerticalScrollBar()) {
        const Rect bar{r.right - ArrowButtonWidth, r.top, r.right, r.bottom};
        Fill(canvas, bar, clBtnHighlight);
        ArrowButton(canvas, Rect::Bounds(bar.left, bar.top, ArrowButtonWidth, ArrowButtonWidth), true);
        ArrowButton(canvas, Rect{bar.left, bar.bottom - ArrowButtonWidth, bar.right, bar.bottom}, false);
        r.right = bar.left;
    }
    std::string shown;
    for (std::size_t i = static_cast<std::size_t>(memo.TopLine()); i < memo.Lines().size(); ++i)
        shown += memo.Lines()[i] + "\n";
    canvas.font.color = memo.GetFont().color;
    const TextFormat wrap = memo.WordWrap() ? TextFormat::WordBreak : TextFormat::Left;
    canvas.DrawText(r.Inflated(-2, -1), shown, wrap | TextFormat::NoPrefix | TextFormat::ExpandTabs);
}

void PaintListBox(ListBox& list, Canvas& canvas)
{
    const Rect inner = Field(canvas, list);
    const int lineHeight = canvas.TextHeight("Ag");
    for (std::size_t i = 0; i < list.Items().size(); ++i) {
        const Rect line = Rect::Bounds(inner.left, inner.top + static_cast<int>(i) * lineHeight, inner.Width(), lineHeight);
        const bool selected = static_cast<int>(i) == list.ItemIndex();
        if (selected)
            Fill(canvas, line, clHighlight);
        const int indent = i < list.Indents().size() ? list.Indents()[i] : 0;
        canvas.font.color = selected ? clHighlightText : list.GetFont().color;
        canvas.DrawText(Rect{line.left + 2 + indent, line.top, line.right, line.bottom}, list.Items()[i],
                        TextFormat::Left | OneLine | TextFormat::NoPrefix);
    }
}

}  // namespace

void ClassicPainter::Paint(NativeControl& control, Canvas& canvas)
{
    canvas.font = control.GetFont();
    switch (control.Kind()) {
    case NativeKind::PushButton: PaintPushButton(static_cast<Button&>(control), canvas); break;
    case NativeKind::OwnerDrawButton: static_cast<OwnerDrawButton&>(control).PaintButton(canvas); break;
    case NativeKind::CheckBox: PaintCheckBox(static_cast<CheckBox&>(control), canvas); break;
    case NativeKind::RadioButton: PaintRadioButton(static_cast<RadioButton&>(control), canvas); break;
    case NativeKind::Edit: PaintEdit(static_cast<Edit&>(control), canvas); break;
    case NativeKind::ComboBox: PaintComboBox(static_cast<ComboBox&>(control), canvas); break;
    case NativeKind::SpinBox: PaintSpinBox(static_cast<SpinBox&>(control), canvas); break;
    case NativeKind::Memo: PaintMemo(static_cast<Memo&>(control), canvas); break;
    case NativeKind::ListBox: PaintListBox(static_cast<ListBox&>(control), canvas); break;
    }
}

}  // namespace vx::ui
