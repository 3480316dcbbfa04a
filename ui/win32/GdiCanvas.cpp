#include "ui/win32/GdiCanvas.h"

#include <vector>

#include "ui/Bitmap.h"
#include "ui/win32/DibInfo.h"
#include "ui/win32/GdiRegion.h"

namespace vx::ui::win32 {

namespace {

// The portable flags are passed to DrawTextA as they are.
static_assert(static_cast<UINT>(TextFormat::Center) == DT_CENTER && static_cast<UINT>(TextFormat::Right) == DT_RIGHT);
static_assert(static_cast<UINT>(TextFormat::VCenter) == DT_VCENTER && static_cast<UINT>(TextFormat::Bottom) == DT_BOTTOM);
static_assert(static_cast<UINT>(TextFormat::WordBreak) == DT_WORDBREAK &&
              static_cast<UINT>(TextFormat::SingleLine) == DT_SINGLELINE);
static_assert(static_cast<UINT>(TextFormat::ExpandTabs) == DT_EXPANDTABS && static_cast<UINT>(TextFormat::NoClip) == DT_NOCLIP);
static_assert(static_cast<UINT>(TextFormat::CalcRect) == DT_CALCRECT && static_cast<UINT>(TextFormat::NoPrefix) == DT_NOPREFIX);
static_assert(static_cast<UINT>(TextFormat::EndEllipsis) == DT_END_ELLIPSIS);

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

COLORREF Ref(Color c) { return ColorToRgb(c); }

int PenStyleOf(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid: return PS_SOLID;
    case PenStyle::Dash: return PS_DASH;
    case PenStyle::Dot: return PS_DOT;
    case PenStyle::DashDot: return PS_DASHDOT;
    case PenStyle::DashDotDot: return PS_DASHDOTDOT;
    case PenStyle::Clear: return PS_NULL;
    }
    return PS_SOLID;
}

std::vector<POINT> ToPoints(std::span<const Point> points)
{
    std::vector<POINT> out;
    out.reserve(points.size());
    for (Point p : points)
        out.push_back({p.x, p.y});
    return out;
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc)
{
    originalPen_ = GetCurrentObject(dc_, OBJ_PEN);
    originalBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas()
{
    SelectObject(dc_, originalPen_);
    SelectObject(dc_, originalBrush_);
    SelectObject(dc_, originalFont_);
}

void GdiCanvas::ApplyState()
{
    SetViewportOrgEx(dc_, State().origin.x, State().origin.y, nullptr);
    if (State().clip) {
        const RegionHandle clip = ToHrgn(*State().clip);
        SelectClipRgn(dc_, clip.Get());
    } else {
        SelectClipRgn(dc_, nullptr);
    }
}

void GdiCanvas::SelectPen()
{
    if (selectedPen_ == pen)
        return;
    PenHandle made(CreatePen(PenStyleOf(pen.style), pen.width, Ref(pen.color)));
    SelectObject(dc_, made.Get());
    pen_ = std::move(made);
    selectedPen_ = pen;
}

void GdiCanvas::SelectBrush()
{
    if (selectedBrush_ == brush)
        return;
    BrushHandle made(brush.style == BrushStyle::Clear ? nullptr : CreateSolidBrush(Ref(brush.color)));
    SelectObject(dc_, made ? static_cast<HGDIOBJ>(made.Get()) : GetStockObject(NULL_BRUSH));
    brush_ = std::move(made);
    selectedBrush_ = brush;
}

void GdiCanvas::SelectFont()
{
    if (selectedFont_ == font)
        return;
    FontHandle made(CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic,
                                font.underline, font.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                font.name.c_str()));
    SelectObject(dc_, made.Get());
    font_ = std::move(made);
    selectedFont_ = font;
}

void GdiCanvas::SelectShapeTools()
{
    SelectPen();
    SelectBrush();
}

HBRUSH GdiCanvas::SolidBrushFor(Color c, BrushHandle& holder) const
{
    holder.Reset(CreateSolidBrush(Ref(c)));
    return holder.Get();
}

void GdiCanvas::FillRect(const Rect& r)
{
    if (brush.style == BrushStyle::Clear)
        return;
    BrushHandle holder;
    const RECT rc = ToRect(r);
    ::FillRect(dc_, &rc, SolidBrushFor(brush.color, holder));
}

void GdiCanvas::FrameRect(const Rect& r)
{
    if (brush.style == BrushStyle::Clear)
        return;
    BrushHandle holder;
    const RECT rc = ToRect(r);
    ::FrameRect(dc_, &rc, SolidBrushFor(brush.color, holder));
}

void GdiCanvas::Rectangle(const Rect& r)
{
    SelectShapeTools();
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight)
{
    SelectShapeTools();
    ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
}

void GdiCanvas::Ellipse(const Rect& box)
{
    SelectShapeTools();
    ::Ellipse(dc_, box.left, box.top, box.right, box.bottom);
}

void GdiCanvas::Arc(const Rect& box, Point start, Point end)
{
    SelectPen();
    // Counterclockwise: the default of every DC, and the only direction Windows 9x
    // draws arcs in, so the direction is never set.
    ::Arc(dc_, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

void GdiCanvas::Polygon(std::span<const Point> points, bool winding)
{
    SelectShapeTools();
    SetPolyFillMode(dc_, winding ? WINDING : ALTERNATE);
    const std::vector<POINT> pts = ToPoints(points);
    ::Polygon(dc_, pts.data(), static_cast<int>(pts.size()));
}

void GdiCanvas::Polyline(std::span<const Point> points)
{
    if (points.empty())
        return;
    SelectPen();
    const std::vector<POINT> pts = ToPoints(points);
    ::Polyline(dc_, pts.data(), static_cast<int>(pts.size()));
    MoveTo(points.back());
}

void GdiCanvas::LineTo(int x, int y)
{
    SelectPen();
    MoveToEx(dc_, PenPos().x, PenPos().y, nullptr);
    ::LineTo(dc_, x, y);
    MoveTo(x, y);
}

Color GdiCanvas::Pixel(int x, int y) const
{
    const COLORREF c = GetPixel(dc_, x, y);
    return c == CLR_INVALID ? InvalidColor : c;
}

void GdiCanvas::SetPixel(int x, int y, Color c)
{
    SetPixelV(dc_, x, y, Ref(c));
}

void GdiCanvas::TextOut(int x, int y, std::string_view text)
{
    SelectFont();
    SetTextColor(dc_, Ref(font.color));
    if (brush.style == BrushStyle::Clear) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, Ref(brush.color));
    }
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    MoveTo(x + TextWidth(text), y);  // as Delphi's TextOut
}

int GdiCanvas::DrawText(Rect& r, std::string_view text, TextFormat format)
{
    SelectFont();
    SetTextColor(dc_, Ref(font.color));
    SetBkMode(dc_, TRANSPARENT);
    RECT rc = ToRect(r);
    // DrawTextA may write the shortened text back with DT_MODIFYSTRING only, which is
    // never passed, but it wants a writable buffer on some systems.
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    const int height = ::DrawTextA(dc_, buffer.data(), static_cast<int>(text.size()), &rc,
                                   static_cast<UINT>(format));
    if (HasFlag(format, TextFormat::CalcRect))
        r = {rc.left, rc.top, rc.right, rc.bottom};
    return height;
}

Size GdiCanvas::TextExtent(std::string_view text)
{
    SelectFont();
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    if (text.empty()) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc_, &metrics);
        size.cy = metrics.tmHeight;
    }
    return {size.cx, size.cy};
}

void GdiCanvas::CopyRect(const Rect& dest, Canvas& source, const Rect& srcRect)
{
    if (auto* gdi = dynamic_cast<GdiCanvas*>(&source)) {
        SetStretchBltMode(dc_, COLORONCOLOR);
        StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), gdi->dc_, srcRect.left, srcRect.top,
                   srcRect.Width(), srcRect.Height(), SRCCOPY);
        return;
    }
    // Another kind of canvas: read its pixels into a picture and stretch that.
    if (srcRect.IsEmpty())
        return;
    Bitmap copy(srcRect.Width(), srcRect.Height());
    for (int y = 0; y < copy.Height(); ++y) {
        for (int x = 0; x < copy.Width(); ++x)
            copy.SetPixel(x, y, source.Pixel(srcRect.left + x, srcRect.top + y));
    }
    const BITMAPINFO info = TopDownDibInfo(copy.Width(), copy.Height());
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, dest.left, dest.top, dest.Width(), dest.Height(), 0, 0, copy.Width(), copy.Height(),
                  copy.Row(0), &info, DIB_RGB_COLORS, SRCCOPY);
}

void GdiCanvas::Draw(int x, int y, const Bitmap& bitmap)
{
    if (bitmap.Empty())
        return;
    const BITMAPINFO info = TopDownDibInfo(bitmap.Width(), bitmap.Height());
    SetDIBitsToDevice(dc_, x, y, static_cast<DWORD>(bitmap.Width()), static_cast<DWORD>(bitmap.Height()), 0, 0, 0,
                      static_cast<UINT>(bitmap.Height()), bitmap.Row(0), &info, DIB_RGB_COLORS);
}

void GdiCanvas::DrawTransparent(int x, int y, const Bitmap& bitmap, Color key)
{
    // The mask blit of Windows 95 days: no TransparentBlt there.
    if (bitmap.Empty())
        return;
    const int w = bitmap.Width();
    const int h = bitmap.Height();
    MemoryDc imageDc(dc_);
    BitmapHandle image(CreateCompatibleBitmap(dc_, w, h));
    ScopedSelect imageSel(imageDc.Get(), image.Get());
    const BITMAPINFO info = TopDownDibInfo(w, h);
    SetDIBitsToDevice(imageDc.Get(), 0, 0, static_cast<DWORD>(w), static_cast<DWORD>(h), 0, 0, 0,
                      static_cast<UINT>(h), bitmap.Row(0), &info, DIB_RGB_COLORS);
    MemoryDc maskDc(dc_);
    BitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
    ScopedSelect maskSel(maskDc.Get(), mask.Get());
    SetBkColor(imageDc.Get(), Ref(key));
    BitBlt(maskDc.Get(), 0, 0, w, h, imageDc.Get(), 0, 0, SRCCOPY);  // key pixels become 1
    const COLORREF oldText = SetTextColor(dc_, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc_, RGB(255, 255, 255));
    BitBlt(dc_, x, y, w, h, imageDc.Get(), 0, 0, SRCINVERT);
    BitBlt(dc_, x, y, w, h, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc_, x, y, w, h, imageDc.Get(), 0, 0, SRCINVERT);
    SetTextColor(dc_, oldText);
    SetBkColor(dc_, oldBack);
}

void GdiCanvas::FillRegion(const Region& region, Color c)
{
    const RegionHandle rgn = ToHrgn(region);
    BrushHandle holder;
    FillRgn(dc_, rgn.Get(), SolidBrushFor(c, holder));
}

void GdiCanvas::FrameRegion(const Region& region, Color c, int width, int height)
{
    const RegionHandle rgn = ToHrgn(region);
    BrushHandle holder;
    FrameRgn(dc_, rgn.Get(), SolidBrushFor(c, holder), width, height);
}

}  // namespace vx::ui::win32
