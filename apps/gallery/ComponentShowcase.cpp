#include "apps/gallery/ComponentShowcase.h"

#include <string>
#include <utility>

#include "ui/Canvas.h"
#include "widgets/AHMFont3D.h"

namespace vx::widgets {

using ui::Rgb;

namespace {

constexpr ui::Color Backdrop0 = Rgb(18, 28, 64), Backdrop1 = Rgb(4, 6, 18);
constexpr ui::Color Panel = Rgb(236, 240, 250);

ui::Font Arial(int pixels, bool bold, ui::Color color)
{
    ui::Font font;
    font.name = "Arial";
    font.height = -pixels;
    font.bold = bold;
    font.color = color;
    return font;
}

void Heading(ui::Canvas& c, int x, int y, const char* text)
{
    TAHMFont3D look;
    look.SetStyle3D(TAHMStyle3D::fontOnlyShadow);
    look.SetShadow(ui::clBlack);
    c.font = Arial(13, true, Rgb(160, 183, 241));
    DrawText3D(look, c, true, ui::TextFormat::SingleLine, text, {x, y, x + 280, y + 18});
}

ui::Bitmap WindowPicture()
{
    ui::Bitmap picture(ComponentShowcase::Width, ComponentShowcase::Height);
    TAHMGradient backdrop;
    backdrop.SetBeginColor(Backdrop0);
    backdrop.SetEndColor(Backdrop1);
    backdrop.SetFillStyle(TAHMFillStyle::Horizontal);
    backdrop.DrawGradient(picture.GetCanvas(), picture.Width(), picture.Height(), true);
    ui::Canvas& c = picture.GetCanvas();
    TAHMFont3D title;
    title.SetStyle3D(TAHMStyle3D::fontRaised);
    title.SetHighlight(Rgb(90, 120, 220));
    title.SetShadow(ui::clBlack);
    c.font = Arial(18, true, ui::clWhite);
    DrawText3D(title, c, true, ui::TextFormat::SingleLine, "Velocitrex 2K3  \xB7  component set", {22, 10, 520, 34});
    for (auto [x, y, text] : {std::tuple{20, 46, "Fancy buttons"}, {320, 46, "Push buttons"},
                              {20, 132, "Aqua buttons"}, {20, 228, "Gradient fills"}, {20, 330, "Three-dimensional text"},
                              {450, 46, "Round buttons"}, {320, 200, "Skinned check boxes"}, {320, 300, "Bubble hint"}})
        Heading(c, x, y, text);
    c.pen = ui::Pen{Rgb(60, 80, 140)};
    c.MoveTo(22, 38);
    c.LineTo(578, 38);
    return picture;
}

}  // namespace

ComponentShowcase::ComponentShowcase(ui::Form& form)
    : form_(form),
      hint_(TAHMHint::Instance() ? nullptr : std::make_unique<TAHMHint>()),
      surface_(&form),
      hintPreview_(nullptr)
{
    MakeSurface();
    MakeFancyButtons();
    MakePushButtons();
    MakeAquaButtons();
    MakeGradients();
    MakeText3D();
    MakeRoundButtons();
    MakeCheckboxes();
    MakeHint();
    form_.SetShowHint(true);
}

void ComponentShowcase::MakeSurface()
{
    // The shaded buttons fill their corners with the window's colour: the backdrop's.
    form_.SetColor(Rgb(14, 21, 50));
    surface_.SetName("PlasmaForm1");
    surface_.SetPicture(WindowPicture());
    surface_.Mask().Assign(ui::Region::FromRoundRect({0, 0, Width + 1, Height + 1}, 28, 28));
    surface_.Loaded();
    surface_.SetHint("Drag the window anywhere on its picture");
}

void ComponentShowcase::MakeFancyButtons()
{
    struct Sample { const char* caption; TFShape shape; ui::Color color; TTextStyle style; ui::Rect at; };
    const Sample samples[] = {
        {"OK", TFShape::shCapsule, Rgb(60, 90, 170), TTextStyle::txShadowed, {20, 68, 120, 108}},
        {"X", TFShape::shOval, Rgb(180, 30, 30), TTextStyle::txRaised, {132, 66, 176, 110}},
        {"&Setup", TFShape::shRectangle, Rgb(90, 150, 90), TTextStyle::txLowered, {188, 68, 278, 108}},
        {"X", TFShape::shOval, Rgb(180, 30, 30), TTextStyle::txNone, {562, 8, 588, 34}},
    };
    for (std::size_t i = 0; i < fancy_.size(); ++i) {
        TDsFancyButton& b = fancy_[i];
        b.SetParent(&form_);
        b.SetBounds(samples[i].at);
        b.SetShape(samples[i].shape);
        b.SetButtonColor(samples[i].color);
        b.SetFrameWidth(i == 3 ? 6 : 10);
        b.SetTextStyle(samples[i].style);
        b.SetCaption(samples[i].caption);
        b.SetFont(Arial(14, true, ui::clWhite));
        b.SetDisabledFontColor(Rgb(60, 60, 60));
    }
    fancy_[1].HandleMouse({ui::MouseAction::Down, ui::MouseButton::Left, ui::ShiftState::Only(ui::MouseButton::Left), {22, 22}});
    fancy_[2].SetEnabled(false);
    fancy_[3].SetHint("Close");
    fancy_[3].OnClick = [this] { form_.Close(); };
}

void ComponentShowcase::MakePushButtons()
{
    const char* captions[] = {"Velocitrex!", "Update", "Help", "Close"};
    for (std::size_t i = 0; i < push_.size(); ++i) {
        TNvOS8PushButton& b = push_[i];
        b.SetParent(&form_);
        b.SetBounds(320, 68 + static_cast<int>(i) * 30, 110, 28);
        b.SetBaseColor(ui::clBlack);
        b.SetFont(Arial(13, true, ui::clWhite));
        b.SetCaption(captions[i]);
    }
    push_[1].SetDefault(true);
    push_[2].NativePressed(true);
    push_[3].SetEnabled(false);
    push_[0].SetHint("Pick your connection type");
}

void ComponentShowcase::MakeAquaButtons()
{
    struct Sample { const char* caption; ui::Rect at; TJLAquaType shape; TJLCustomColor custom; };
    const Sample samples[] = {
        {">> Next", {20, 152, 100, 177}, TJLAquaType::bsButton, TJLCustomColor::ccNone},
        {"<< Back", {108, 152, 188, 177}, TJLAquaType::bsButton, TJLCustomColor::ccNone},
        {"Cancel", {196, 152, 276, 177}, TJLAquaType::bsButton, TJLCustomColor::ccNone},
        {"Velocitrex Me!", {20, 188, 150, 213}, TJLAquaType::bsButton, TJLCustomColor::ccNone},
        {"", {166, 188, 190, 212}, TJLAquaType::bsOrb, TJLCustomColor::ccNeonGreen},
        {"", {198, 188, 222, 212}, TJLAquaType::bsOrb, TJLCustomColor::ccOrange},
        {"", {230, 188, 254, 212}, TJLAquaType::bsOrb, TJLCustomColor::ccPaleBlue},
    };
    for (std::size_t i = 0; i < aqua_.size(); ++i) {
        TJLAqua& b = aqua_[i];
        b.SetParent(&form_);
        b.SetBounds(samples[i].at);
        b.SetButtonShape(samples[i].shape);
        b.SetButtonColor(Rgb(160, 183, 241));
        b.SetCustomColor(samples[i].custom);
        b.SetCaption(samples[i].caption);
        b.SetFont(Arial(13, true, ui::clBlack));
    }
    aqua_[1].HandleMouse({ui::MouseAction::Move, ui::MouseButton::Left, {}, {40, 12}});
    aqua_[2].HandleMouse({ui::MouseAction::Down, ui::MouseButton::Left, ui::ShiftState::Only(ui::MouseButton::Left), {40, 12}});
    aqua_[3].SetEnabled(false);
    aqua_[5].HandleMouse({ui::MouseAction::Move, ui::MouseButton::Left, {}, {12, 12}});
    aqua_[0].SetHint("On to the next page");
}

void ComponentShowcase::MakeGradients()
{
    for (std::size_t i = 0; i < swatches_.size(); ++i) {
        GradientSwatch& s = swatches_[i];
        s.SetParent(&form_);
        const int col = static_cast<int>(i % 7), row = static_cast<int>(i / 7);
        s.SetBounds(20 + col * 40, 248 + row * 38, 36, 34);
        TAHMGradient& g = s.Gradient();
        g.SetBeginColor(Rgb(20, 40, 140));
        g.SetEndColor(Rgb(240, 245, 255));
        if (i % 3 == 1)
            g.SetColorsInBetween({"$0040C0FF"});
        g.SetColorCount(24);
        g.SetFillStyle(static_cast<TAHMFillStyle>(i));
    }
}

void ComponentShowcase::MakeText3D()
{
    struct Sample { const char* caption; TAHMStyle3D style; int offset; TAHMRepeat repeat; };
    const Sample samples[] = {
        {"Raised", TAHMStyle3D::fontRaised, 1, TAHMRepeat::repeatNone},
        {"Inset", TAHMStyle3D::fontInset, 1, TAHMRepeat::repeatNone},
        {"Shadow", TAHMStyle3D::fontOnlyShadow, 2, TAHMRepeat::repeatNone},
        {"Highlight", TAHMStyle3D::fontOnlyHighlight, 1, TAHMRepeat::repeatNone},
        {"Outline", TAHMStyle3D::fontOutLineShadow, 1, TAHMRepeat::repeatNone},
        {"Extruded", TAHMStyle3D::fontRaised, 1, TAHMRepeat::repeatOnShadow},
    };
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        Text3DSample& t = texts_[i];
        t.SetParent(&form_);
        t.SetBounds(20 + static_cast<int>(i % 3) * 95, 352 + static_cast<int>(i / 3) * 34, 95, 30);
        t.SetCaption(samples[i].caption);
        t.SetFont(Arial(16, true, Rgb(230, 236, 255)));
        TAHMFont3D& f = t.Font3D();
        f.SetStyle3D(samples[i].style);
        f.SetOffset(samples[i].offset);
        f.SetHighlight(Rgb(120, 150, 255));
        f.SetShadow(ui::clBlack);
        f.SetRepetition(samples[i].repeat);
        f.SetRepetitionColor(Rgb(60, 70, 120));
        f.SetRepetitionwidth(samples[i].repeat == TAHMRepeat::repeatNone ? 0 : 3);
    }
}

void ComponentShowcase::MakeRoundButtons()
{
    bulletBackground_.Gradient().SetFillStyle(TAHMFillStyle::Circle);
    bulletBackground_.Gradient().SetBeginColor(Rgb(255, 255, 255));
    bulletBackground_.Gradient().SetEndColor(Rgb(30, 90, 220));
    bulletBackground_.Gradient().SetColorCount(16);
    for (std::size_t i = 0; i < round_.size(); ++i) {
        TAHMRoundButton& b = round_[i];
        b.SetParent(&form_);
        b.SetBackground(&bulletBackground_);
        if (i < 2) {
            b.SetBounds(452 + static_cast<int>(i) * 26, 70, 19, 18);
            b.SetEnabled(false);
            continue;
        }
        b.SetBounds(452 + static_cast<int>(i - 2) * 34, 100, 28, 28);
        b.Glyph().SetBitmap(MakeArrowGlyphStrip(), true);
    }
    round_[3].HandleMouse({ui::MouseAction::Down, ui::MouseButton::Left, ui::ShiftState::Only(ui::MouseButton::Left), {14, 14}});
    round_[4].SetEnabled(false);
    round_[4].SetButtonType(TAHMButtonType::btInset);
    round_[2].SetHint("Round button with a glyph");
}

void ComponentShowcase::MakeCheckboxes()
{
    stepBackground_.Gradient().SetFillStyle(TAHMFillStyle::Vertical);
    stepBackground_.Gradient().SetBeginColor(Panel);
    stepBackground_.Gradient().SetEndColor(Rgb(190, 205, 245));
    const char* captions[] = {"Receive window tuned", "&Path MTU discovery", "Black-hole detection"};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        TAHMCheckbox& box = checks_[i];
        box.SetParent(&form_);
        box.SetBounds(320, 220 + static_cast<int>(i) * 26, 250, 24);
        box.SetColor(Panel);
        box.SetFont(Arial(13, true, Rgb(20, 30, 80)));
        box.Font3D().SetHighlight(ui::clWhite);
        box.SetBackground(&stepBackground_);
        box.SetAsButton(i != 1);
        box.SetCaption(captions[i]);
    }
    checks_[0].SetChecked(true);
    checks_[2].SetEnabled(false);
}

void ComponentShowcase::MakeHint()
{
    TAHMHint& hint = *TAHMHint::Instance();
    hint.SetSpeechbubble(true);
    hintPreview_.SetParent(&form_);
    hintPreview_.SetBounds(320, 318, 260, 100);
    hintPreview_.SetCaption("Tooltips stand beside the pointer, in a bubble with a dotted shadow.");
}

TfrmComponents::TfrmComponents() : showcase_(*this)
{
    SetName("frmComponents");
    SetCaption(Title);
    SetPosition(ui::FormPosition::ScreenCenter);
}

}  // namespace vx::widgets
