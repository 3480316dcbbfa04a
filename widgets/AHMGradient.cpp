#include "widgets/AHMGradient.h"

#include "ui/Bitmap.h"
#include "ui/Canvas.h"
#include "widgets/ColorShading.h"
#include "widgets/ColorText.h"

namespace vx::widgets {

using ui::Color;
using ui::MulDiv;

namespace {

Color StepBetween(Color c0, Color c1, int n, int steps)
{
    auto channel = [&](int (*of)(Color)) { return of(c0) + MulDiv(n, of(c1) - of(c0), steps - 1); };
    return ui::Rgb(channel(ui::RedOf), channel(ui::GreenOf), channel(ui::BlueOf));
}

int NotZero(int v) { return v == 0 ? 1 : v; }

// One step of one segment, with the picture's size and the segment count.
struct Step {
    ui::Canvas& canvas;
    int W, H, S, r, n, N;
    Color a, b;

    int Hs() const { return RoundHalfEven(H, S) + 1; }
    int Ws() const { return RoundHalfEven(W, S) + 1; }

    void Band(int left, int top, int width, int height) const
    {
        ui::Rect rect{left, top, left + width, top + height};
        if (rect.right < rect.left)
            std::swap(rect.left, rect.right);
        if (rect.bottom < rect.top)
            std::swap(rect.top, rect.bottom);
        canvas.FillRect(rect);
    }
    void Ellipse(int left, int top, int right, int bottom) const
    {
        canvas.Ellipse({std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
    }
    void Line(int x0, int y0, int x1, int y1, Color pen) const
    {
        canvas.pen.color = pen;
        canvas.MoveTo(x0, y0);
        canvas.LineTo(x1, y1);
    }
    void Crossing(bool spectral) const
    {
        const int ws = Ws(), hs = Hs(), ox = ws * r, oy = hs * r;
        auto pen = [&](int k) { return spectral && k % 2 == 0 ? b : a; };
        for (int j = MulDiv(n, ws, N); j <= MulDiv(n + 2, ws, N); ++j)
            Line(j + ox, 0, W - j - ox, H, pen(j));
        for (int i = MulDiv(n, hs, N); i <= MulDiv(n + 2, hs, N); ++i)
            Line(0, i + oy, W, H - i - oy, pen(i));
    }
    void MiddleBars(bool horizontal) const
    {
        const int len = horizontal ? H : W;
        const int s = horizontal ? Hs() : Ws();
        const int o = RoundHalfEven(std::int64_t{s} * r, 2) + 1;
        const int half = RoundHalfEven(s, 2);
        const int p = len - MulDiv(n, half + 1, N), q = len - MulDiv(n + 2, half + 1, N);
        const int p0 = MulDiv(n, half, N), p1 = MulDiv(n + 2, half, N);
        if (horizontal) {
            Band(0, p - o - 1, W, q - p);
            Band(0, o + p0, W, p1 - p0 + 1);
        } else {
            Band(p - o - 1, 0, q - p, H);
            Band(o + p0, 0, p1 - p0 + 1, H);
        }
    }
    void DoppelBars(bool vertical) const
    {
        const int s = vertical ? Ws() : Hs();
        const int o = RoundHalfEven(std::int64_t{s} * r, 3) + 1;
        const int t = RoundHalfEven(s, 3) + 1;
        const int p0 = MulDiv(n, t, N), p1 = MulDiv(n + 1, t, N);
        const int m = 2 * RoundHalfEven(vertical ? W : H, 3);
        for (int start : {o + p0, m - p1 - o, m + o + p0}) {
            if (vertical)
                Band(start, 0, p1 - p0, H);
            else
                Band(0, start, W, p1 - p0);
        }
    }
    void Draw(TAHMFillStyle style) const;
};

void Step::Draw(TAHMFillStyle style) const
{
    using enum TAHMFillStyle;
    const int hs = Hs(), ws = Ws();
    switch (style) {
    case Circle: Crossing(false); break;
    case Spectral: Crossing(true); break;
    case Horizontal: {
        const int y0 = MulDiv(n, hs, N), y1 = MulDiv(n + 2, hs, N);
        Band(0, hs * r + y0, W, y1 - y0);
        break;
    }
    case Vertical: {
        const int x0 = MulDiv(n, ws, N), x1 = MulDiv(n + 2, ws, N);
        Band(ws * r + x0, 0, x1 - x0, H);
        break;
    }
    case LeftBottom: {
        const int x0 = MulDiv(n, ws, N), y0 = MulDiv(n, hs, N);
        Band(ws * r + x0, hs * r + y0, W - x0, H - y0);
        break;
    }
    case RoundMiddle: {
        const int oy = RoundHalfEven(std::int64_t{hs} * r, 2) + 1, ox = RoundHalfEven(std::int64_t{ws} * r, 2) + 1;
        const int x0 = MulDiv(n, RoundHalfEven(ws, 2) + 1, N), y0 = MulDiv(n, RoundHalfEven(hs, 2) + 1, N);
        Ellipse(ox + x0, oy + y0, W - x0 - ox, H - y0 - oy);
        break;
    }
    case SquareMiddle: {
        const int hs1 = RoundHalfEven(H, S), ws1 = RoundHalfEven(W, S);
        const int oy = RoundHalfEven(std::int64_t{hs1} * r, 2), ox = RoundHalfEven(std::int64_t{ws1} * r, 2);
        const int x0 = MulDiv(n, RoundHalfEven(ws1, 2), N), y0 = MulDiv(n, RoundHalfEven(hs1, 2), N);
        Band(ox + x0, oy + y0, W - 2 * x0 - 2 * ox, H - 2 * y0 - 2 * oy);
        break;
    }
    case DoppelFlash: {
        const int oy = hs * r + 1, ox = ws * r + 1;
        const int x0 = MulDiv(n, ws, N), y0 = MulDiv(n, hs, N);
        Ellipse(ox + x0, oy + y0, W, H);
        Ellipse(W - x0 - ox, H - y0 - oy, 0, 0);
        break;
    }
    case Singleflash: {
        const int hs1 = RoundHalfEven(H, S), ws1 = RoundHalfEven(W, S);
        const int x0 = MulDiv(n, ws1, N), y0 = MulDiv(n, hs1, N);
        Ellipse(ws1 * r + x0, hs1 * r + y0, W, H);
        break;
    }
    case MiddleHBar: MiddleBars(true); break;
    case MiddleVBar: MiddleBars(false); break;
    case VerticalDoppelBar: DoppelBars(true); break;
    case HorizontalDoppelBar: DoppelBars(false); break;
    }
}

}  // namespace

Color GradientStepColor(Color c0, Color c1, int n, int steps)
{
    c0 = ui::ColorToRgb(c0);
    c1 = ui::ColorToRgb(c1);
    const Color c = steps < 2 ? c0 : StepBetween(c0, c1, n, steps);
    return ui::Rgb(NotZero(ui::RedOf(c)), NotZero(ui::GreenOf(c)), NotZero(ui::BlueOf(c)));
}

Color GradientMirrorColor(Color c0, Color c1, int n, int steps)
{
    c0 = ui::ColorToRgb(c0);
    c1 = ui::ColorToRgb(c1);
    return steps < 2 ? c0 : StepBetween(c0, c1, steps - n - 1, steps);
}

void TAHMGradient::Notify()
{
    if (OnChange)
        OnChange();
}

void TAHMGradient::SetBeginColor(Color c)
{
    beginColor_ = c;
    Notify();
}

void TAHMGradient::SetEndColor(Color c)
{
    endColor_ = c;
    Notify();
}

void TAHMGradient::SetFillStyle(TAHMFillStyle style)
{
    fillStyle_ = style;
    Notify();
}

void TAHMGradient::SetColorCount(int count)
{
    if (count >= 2 && count <= 255)
        colorCount_ = count;
    Notify();
}

void TAHMGradient::SetColorsInBetween(std::vector<std::string> colors)
{
    between_ = std::move(colors);
    Notify();
}

std::vector<Color> TAHMGradient::Stops(bool forward) const
{
    std::vector<Color> stops{forward ? beginColor_ : endColor_};
    for (const std::string& text : between_) {
        if (auto c = ColorFromText(text))
            stops.push_back(*c);
    }
    stops.push_back(forward ? endColor_ : beginColor_);
    for (Color& c : stops)
        c = ui::ColorToRgb(c);
    return stops;
}

void TAHMGradient::DrawGradient(ui::Canvas& target, int width, int height, bool forward) const
{
    if (width <= 0 || height <= 0)
        return;
    const std::vector<Color> stops = Stops(forward);
    const int segments = static_cast<int>(stops.size()) - 1;
    ui::Bitmap picture(width, height);
    picture.Fill(stops.front());
    ui::Canvas& canvas = picture.GetCanvas();
    for (int r = 0; r < segments; ++r) {
        const Color c0 = stops[static_cast<std::size_t>(r)], c1 = stops[static_cast<std::size_t>(r) + 1];
        for (int n = 0; n < colorCount_; ++n) {
            const Step step{canvas, width, height, segments, r, n, colorCount_,
                            GradientStepColor(c0, c1, n, colorCount_), GradientMirrorColor(c0, c1, n, colorCount_)};
            canvas.pen = ui::Pen{step.a};
            canvas.brush = ui::Brush{step.a, ui::BrushStyle::Solid};
            step.Draw(fillStyle_);
        }
    }
    target.Draw(0, 0, picture);
}

}  // namespace vx::widgets
