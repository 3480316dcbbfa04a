// Writes every picture of the main program as a BMP into a directory, each window
// also as it shows on a desktop (cut to its outline), and one contact sheet of
// them all, so the artwork can be looked at without running the program.
#include <functional>
#include <string>
#include <vector>

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Outlines.h"
#include "apps/velocitrex/art/Painter.h"
#include "apps/velocitrex/art/Palette.h"
#include "apps/velocitrex/art/Pictures.h"
#include "apps/velocitrex/art/StrokeFont.h"
#include "apps/velocitrex/art/tool/RenderArt.h"
#include "ui/Bitmap.h"

namespace {

using namespace vx::art;

struct Entry {
    std::string name;
    Raster picture;
};

constexpr Rgb Desktop = Hex(0x3A6EA5);  // the Windows 2000 desktop blue

// The window as the user sees it: its picture inside the outline, the desktop outside.
template <class Shape>
Raster OnDesktop(const Raster& picture, const Shape& outline)
{
    Raster shown = picture;
    std::vector<bool> inside(static_cast<std::size_t>(picture.Width() * picture.Height()));
    for (const RowSpan& s : InsidePixels(outline, picture.Width(), picture.Height()))
        for (int x = s.left; x < s.right; ++x)
            inside[static_cast<std::size_t>(s.y * picture.Width() + x)] = true;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (!inside[static_cast<std::size_t>(y * picture.Width() + x)])
                shown.At(x, y) = Desktop;
    return shown;
}

// An icon over a light and a dark background, enlarged four times.
Raster IconSwatch(int size)
{
    const Raster icon = IconPicture(size);
    const int zoom = 4;
    Raster out(Box{0, 0, size * zoom * 2 + 8, size * zoom}, Hex(0x1B1F28));
    for (int half = 0; half < 2; ++half) {
        const Rgb back = half == 0 ? Hex(0xD4D0C8) : Hex(0x245EDC);  // classic grey, XP taskbar blue
        const int offset = half * (size * zoom + 8);
        for (int y = 0; y < size * zoom; ++y)
            for (int x = 0; x < size * zoom; ++x)
                out.At(offset + x, y) = Mix(back, icon.At(x / zoom, y / zoom), icon.Alpha(x / zoom, y / zoom));
    }
    return out;
}

// Lays a piece at a place of a picture, as a picture control would show it.
void Place(Raster& on, const Raster& piece, int x, int y)
{
    for (int py = 0; py < piece.Height(); ++py)
        for (int px = 0; px < piece.Width(); ++px)
            if (on.Area().Contains(x + px, y + py))
                on.At(x + px, y + py) = piece.At(piece.Area().left + px, piece.Area().top + py);
}

// The main window with its logo and one panel picture in the content area.
Raster MainWindowWith(const Raster& panel)
{
    namespace wz = layout::wizard;
    Raster window = MainWindowPicture();
    Place(window, LogoPicture(), wz::Logo.left, wz::Logo.top);
    Place(window, panel, wz::Content.left, wz::Content.top);
    return OnDesktop(window, WizardOutline());
}

// The apply screen's bar after some animation steps: the left end, the
// segments shown so far and the moving end at its place then.
Raster ApplyScreenAt(int step)
{
    namespace ap = layout::apply;
    Raster window = ApplyScreenPicture();
    Place(window, BarLeftPicture(), ap::BarLeft.left, ap::BarTop);
    const int shownAt[] = {48, 78, 98, 128, 148, 178, 198, 223};
    for (int n = 2; n <= 9; ++n)
        if (step >= shownAt[n - 2])
            Place(window, BarSegmentPicture(), ap::BarSegment(n).left, ap::BarTop);
    Place(window, BarCapPicture(), step <= 28 ? ap::CapStart : step + 12, ap::BarTop);
    return OnDesktop(window, ApplyScreenOutline());
}

bool Save(const Raster& raster, const std::string& path)
{
    return ToBitmap(raster).SaveBmp(path);
}

Raster ContactSheet(const std::vector<Entry>& entries)
{
    const int columns = 3, cell = 660, gap = 24, label = 22;
    std::vector<int> rowHeights;
    for (std::size_t i = 0; i < entries.size(); i += columns) {
        int h = 0;
        for (std::size_t j = i; j < i + columns && j < entries.size(); ++j)
            h = std::max(h, entries[j].picture.Height());
        rowHeights.push_back(h + label + gap);
    }
    int height = gap;
    for (int h : rowHeights)
        height += h;
    Raster sheet(Box{0, 0, columns * cell + gap, height}, Hex(0x2B2F38));
    int top = gap;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int col = static_cast<int>(i % columns);
        if (i > 0 && col == 0)
            top += rowHeights[i / columns - 1];
        const int left = gap + col * cell;
        const Raster& p = entries[i].picture;
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                sheet.At(left + x, top + y) = p.At(p.Area().left + x, p.Area().top + y);
        Fill(sheet, TextLine(entries[i].name, left, top + p.Height() + 16, TextStyle{9, 1.4, 0, 1}), Hex(0xC8CEDA));
    }
    return sheet;
}

}  // namespace

namespace vx::art {

bool WriteArt(const std::string& dir)
{
    const std::vector<Entry> entries = {
        {"main-window", OnDesktop(MainWindowPicture(), WizardOutline())},
        {"automatic-page", OnDesktop(AutomaticPagePicture(), WizardOutline())},
        {"advanced-page", OnDesktop(AdvancedPagePicture(), WizardOutline())},
        {"logo", LogoPicture()},
        {"start-panel", StartPanelPicture()},
        {"connection-heading", ConnectionHeadingPicture()},
        {"method-heading", MethodHeadingPicture()},
        {"apply-screen", OnDesktop(ApplyScreenPicture(), ApplyScreenOutline())},
        {"about-box", OnDesktop(AboutBoxPicture(), AboutBoxOutline())},
        {"bar-left", BarLeftPicture()},
        {"bar-segment", BarSegmentPicture()},
        {"bar-cap", BarCapPicture()},
        {"icon-16", IconSwatch(16)},
        {"icon-32", IconSwatch(32)},
        {"icon-48", IconSwatch(48)},
        {"main-window-start", MainWindowWith(StartPanelPicture())},
        {"main-window-connection", MainWindowWith(ConnectionHeadingPicture())},
        {"apply-screen-animating", ApplyScreenAt(163)},
        {"apply-screen-complete", ApplyScreenAt(248)},
    };
    bool ok = true;
    for (const Entry& e : entries)
        ok = Save(e.picture, dir + "/" + e.name + ".bmp") && ok;
    return Save(ContactSheet(entries), dir + "/contact-sheet.bmp") && ok;
}

}  // namespace vx::art
