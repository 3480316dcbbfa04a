#include "dispatcher/TfrmAbout.h"

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "dispatcher/ProgramState.h"

namespace vx::dispatcher {

namespace ab = art::layout::about;

namespace {

ui::Font WhiteBold(const char* name, int points)
{
    ui::Font font;
    font.name = name;
    font.SetSize(points);
    font.bold = true;
    font.color = ui::clWhite;
    return font;
}

}  // namespace

TfrmAbout::TfrmAbout()
{
    SetName("frmAbout");
    SetCaption("About");
    SetBorderStyle(ui::BorderStyle::None);
    SetClientSize(ab::Width, ab::Height);
    SetPosition(ui::FormPosition::ScreenCenter);
    PlasmaForm1.SetName("PlasmaForm1");
    PlasmaForm1.SetPicture(art::AboutBoxBitmap());
    PlasmaForm1.Mask().Assign(art::AboutBoxRegion());
    PlasmaForm1.SetMoveable(true);
    PlasmaForm1.Loaded();

    const char* texts[] = {"Velocitrex 2K3", "Quorvex", "All rights reserved.", "www.quorvex.example"};
    const char* names[] = {"lblTitle", "lblMaker", "lblRights", "lblWebAddress"};
    for (int i = 0; i < 4; ++i) {
        const art::Box box = ab::Line(i);
        lines[i].SetName(names[i]);
        lines[i].SetCaption(texts[i]);
        lines[i].SetTransparent(true);
        lines[i].SetFont(WhiteBold("MS Sans Serif", 8));
        lines[i].SetBounds(box.left, box.top, box.Width(), box.Height());
    }
    btnOK.SetName("btnOK");
    btnOK.SetCaption("OK");
    btnOK.SetShape(widgets::TFShape::shCapsule);
    btnOK.SetButtonColor(ui::Rgb(191, 0, 0));
    btnOK.SetFrameColor(ui::Rgb(40, 0, 0));
    btnOK.SetFrameWidth(6);
    btnOK.SetFont(WhiteBold("Arial", 9));
    btnOK.SetBounds(ab::OkButton.left, ab::OkButton.top, ab::OkButton.Width(), ab::OkButton.Height());
    btnOK.SetModalResult(ui::ModalResult::Yes);
    btnOK.SetDefault(true);
    btnOK.SetCancel(true);
}

void ShowAboutBox()
{
    if (Program().aboutBox)
        return;
    SingleWindowReference reference(Program().aboutBox);
    auto about = ui::MakeForm<TfrmAbout>();
    reference.Hold(*about);
    about->ShowModal();
}

}  // namespace vx::dispatcher
