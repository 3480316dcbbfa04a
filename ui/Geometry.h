#pragma once
// Integer geometry in the Windows convention: a Rect's right and bottom edges are
// exclusive, so Rect{0, 0, 10, 10} covers the pixels 0..9 in both directions.

namespace vx::ui {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(Size, Size) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Delphi's Bounds(): a rectangle from its top-left corner and size.
    static constexpr Rect Bounds(int x, int y, int width, int height)
    {
        return {x, y, x + width, y + height};
    }

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr Point TopLeft() const { return {left, top}; }
    constexpr Point BottomRight() const { return {right, bottom}; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    constexpr Rect& Offset(int dx, int dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    constexpr Rect& Inflate(int dx, int dy)
    {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
        return *this;
    }
    constexpr Rect Offsetted(int dx, int dy) const { return Rect(*this).Offset(dx, dy); }
    constexpr Rect Inflated(int dx, int dy) const { return Rect(*this).Inflate(dx, dy); }

    // An empty intersection comes back as the all-zero rectangle, as IntersectRect gives.
    constexpr Rect Intersect(const Rect& other) const
    {
        Rect r{left > other.left ? left : other.left, top > other.top ? top : other.top,
               right < other.right ? right : other.right, bottom < other.bottom ? bottom : other.bottom};
        return r.IsEmpty() ? Rect{} : r;
    }
    constexpr bool Intersects(const Rect& other) const { return !Intersect(other).IsEmpty(); }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace vx::ui
