#include "apps/gallery/GalleryForm.h"

namespace vx::ui {

namespace {

constexpr int FormWidth = 560;
constexpr int FormHeight = 400;
constexpr int Corner = 32;

}  // namespace

GalleryForm::GalleryForm(const GallerySectionFactory& fillSecondArea)
{
    SetName("frmGallery");
    SetCaption(GalleryTitle);
    SetBorderStyle(BorderStyle::None);
    SetPosition(FormPosition::ScreenCenter);
    SetClientSize(FormWidth, FormHeight);
    SetColor(Rgb(200, 208, 224));
    SetWindowRegion(Region::FromRoundRect({0, 0, FormWidth + 1, FormHeight + 1}, Corner, Corner));
    PlaceTitle();
    PlaceStandardControls();
    PlaceChoices();
    PlacePattern();
    if (fillSecondArea)
        secondArea_ = fillSecondArea(pnlSecondArea);
    PlaceTabOrder();
}

// Top to bottom, the skinned samples after the standard controls, Close last:
// the window opens with the focus in the name box, and Escape closes it.
void GalleryForm::PlaceTabOrder()
{
    btnApply.SetTabOrder(spinMtu.TabOrder() + 1);
    btnClose.SetTabOrder(static_cast<int>(TabList().size()));
    btnClose.SetCancel(true);
}

void GalleryForm::PlaceTitle()
{
    lblTitle.SetBounds(24, 14, 400, 22);
    lblTitle.SetCaption(GalleryTitle);
    lblTitle.SetTransparent(true);
    Font big = GetFont();
    big.height = -16;
    big.bold = true;
    big.color = clNavy;
    lblTitle.SetFont(big);
    btnClose.SetName("btnClose");
    btnClose.SetBounds(FormWidth - 104, 12, 80, 25);
    btnClose.SetCaption("&Close");
    btnClose.OnClick = [this] { btnCloseClick(); };
}

void GalleryForm::PlaceStandardControls()
{
    gboxStandard.SetBounds(16, 46, 300, 338);
    gboxStandard.SetCaption("Standard controls");
    lblName.SetBounds(12, 24, 60, 16);
    lblName.SetCaption("&Name:");
    edtName.SetName("edtName");
    edtName.SetBounds(76, 20, 210, 22);
    edtName.SetText("Velocitrex");
    lblType.SetBounds(12, 54, 60, 16);
    lblType.SetCaption("Type:");
    comboType.SetName("comboType");
    comboType.SetBounds(76, 50, 210, 22);
    comboType.SetStyle(ComboStyle::DropDownList);
    comboType.SetItems({"Dial-up Modem", "Cable Modem", "LAN", "DSL"});
    comboType.SetItemIndex(1);
    lblMtu.SetBounds(12, 84, 60, 16);
    lblMtu.SetCaption("MTU:");
    spinMtu.SetName("spinMtu");
    spinMtu.SetBounds(76, 80, 90, 22);
    spinMtu.SetRange(576, 1500);
    spinMtu.SetValue(1500);
    btnApply.SetName("btnApply");
    btnApply.SetBounds(196, 80, 90, 25);
    btnApply.SetCaption("&Apply");
    btnApply.SetDefault(true);
}

void GalleryForm::PlaceChoices()
{
    cbxSound.SetName("cbxSound");
    cbxSound.SetBounds(12, 114, 130, 20);
    cbxSound.SetCaption("Play &sounds");
    cbxSound.SetChecked(true);
    rbtnAutomatic.SetName("rbtnAutomatic");
    rbtnAutomatic.SetBounds(150, 114, 130, 20);
    rbtnAutomatic.SetCaption("A&utomatic");
    rbtnAutomatic.SetChecked(true);
    rbtnManual.SetName("rbtnManual");
    rbtnManual.SetBounds(150, 136, 130, 20);
    rbtnManual.SetCaption("&Manual");
    lstProfiles.SetName("lstProfiles");
    lstProfiles.SetBounds(12, 164, 274, 74);
    lstProfiles.SetItems({"Recommended profile", "Current settings", "Windows defaults", "Saved originals"});
    lstProfiles.SetItemIndex(0);
    memoNotes.SetName("memoNotes");
    memoNotes.SetBounds(12, 248, 274, 76);
    memoNotes.SetReadOnly(true);
    memoNotes.SetVerticalScrollBar(true);
    memoNotes.SetLines({"Changes take effect after Windows restarts.",
                        "Every original value is kept, so each change can be undone."});
}

void GalleryForm::PlacePattern()
{
    imgPattern.SetName("imgPattern");
    imgPattern.SetBounds(332, 52, 212, 160);
    imgPattern.SetCaption("Pattern");
    pnlSecondArea.SetName("pnlSecondArea");
    pnlSecondArea.SetBounds(332, 222, 212, 162);
    pnlSecondArea.SetBevelOuter(Bevel::Lowered);
    pnlSecondArea.SetCaption("Component set");
}

}  // namespace vx::ui
