#pragma once
// The product's lettering: capitals, figures and a little punctuation drawn as
// strokes on a six-unit grid with cut corners, the "technical" face of the logo
// and headings. Being our own shapes, it looks the same on every system.
#include <string>
#include <string_view>
#include <vector>

#include "apps/velocitrex/art/Shapes.h"

namespace vx::art {

struct TextStyle {
    double capHeight = 12;  // pixels from baseline to the top of a capital
    double weight = 2;      // stroke width in pixels
    double slant = 0;       // horizontal shift per pixel of height (0.2: a sporty italic)
    double tracking = 0;    // extra pixels between letters
};

// One line of text as a shape; (x, baseline) is where the first letter's stem
// meets the baseline. Lower case is drawn as capitals; a character the face does
// not have throws std::invalid_argument, so no text loses a letter unseen.
class TextLine {
public:
    TextLine(std::string_view text, double x, double baseline, TextStyle style);

    double Distance(double x, double y) const;
    // The distance where it is below limit, else limit: far from the text only
    // the nearest letters are looked at.
    double DistanceWithin(double x, double y, double limit) const;
    Extent Bounds() const { return bounds_; }
    // From the first stem to the last, strokes included.
    double Width() const { return width_; }

    // The advance a text takes in this style, for centring and aligning.
    static double Measure(std::string_view text, const TextStyle& style);

private:
    struct Stroke {
        Pt a, b;
    };
    struct Placed {
        Extent bounds;
        std::vector<Stroke> strokes;
    };

    std::vector<Placed> glyphs_;
    Extent bounds_{};
    double half_;
    double width_ = 0;
};

// The line placed so that its visual middle is at centreX.
TextLine CentredText(std::string_view text, double centreX, double baseline, const TextStyle& style);
// The line ending at rightX.
TextLine RightAlignedText(std::string_view text, double rightX, double baseline, const TextStyle& style);

}  // namespace vx::art
