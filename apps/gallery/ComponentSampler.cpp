#include "apps/gallery/ComponentSampler.h"

namespace vx::widgets {

using ui::Rgb;

namespace {

ui::Font Arial(int pixels, ui::Color color)
{
    ui::Font font;
    font.name = "Arial";
    font.height = -pixels;
    font.bold = true;
    font.color = color;
    return font;
}

}  // namespace

ComponentSampler::ComponentSampler(ui::Control& area)
    : backdrop_(&area), title_(&area), fancy_(&area), aqua_(&area), orb_(&area), push_(&area), round_(&area)
{
    const int w = area.Width(), h = area.Height();
    // The shaded button fills its corners with its parent's colour: the backdrop's.
    area.SetColor(Rgb(30, 42, 90));
    backdrop_.SetBounds(0, 0, w, h);
    backdrop_.Gradient().SetBeginColor(Rgb(18, 28, 64));
    backdrop_.Gradient().SetEndColor(Rgb(60, 80, 150));
    backdrop_.Gradient().SetFillStyle(TAHMFillStyle::Horizontal);
    title_.SetBounds(10, 4, w - 20, 24);
    title_.SetCaption("Component set");
    title_.SetFont(Arial(15, ui::clWhite));
    title_.Font3D().SetStyle3D(TAHMStyle3D::fontRaised);
    title_.Font3D().SetShadow(ui::clBlack);
    title_.Font3D().SetHighlight(Rgb(110, 140, 230));
    fancy_.SetBounds(10, 34, 84, 38);
    fancy_.SetShape(TFShape::shCapsule);
    fancy_.SetButtonColor(Rgb(60, 90, 170));
    fancy_.SetFrameWidth(8);
    fancy_.SetTextStyle(TTextStyle::txShadowed);
    fancy_.SetFont(Arial(13, ui::clWhite));
    fancy_.SetCaption("OK");
    push_.SetBounds(104, 38, 96, 28);
    push_.SetBaseColor(ui::clBlack);
    push_.SetFont(Arial(12, ui::clWhite));
    push_.SetCaption("Velocitrex!");
    aqua_.SetBounds(10, 84, 90, 25);
    aqua_.SetButtonColor(Rgb(160, 183, 241));
    aqua_.SetFont(Arial(13, ui::clBlack));
    aqua_.SetCaption(">> Next");
    orb_.SetBounds(110, 84, 25, 25);
    orb_.SetButtonShape(TJLAquaType::bsOrb);
    orb_.SetCustomColor(TJLCustomColor::ccNeonGreen);
    bullet_.Gradient().SetFillStyle(TAHMFillStyle::Circle);
    bullet_.Gradient().SetBeginColor(ui::clWhite);
    bullet_.Gradient().SetEndColor(Rgb(30, 90, 220));
    bullet_.Gradient().SetColorCount(16);
    round_.SetBounds(146, 82, 28, 28);
    round_.SetBackground(&bullet_);
    round_.Glyph().SetBitmap(MakeArrowGlyphStrip(), true);
}

}  // namespace vx::widgets
