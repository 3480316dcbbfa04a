#include "setup/forms/suLicense.h"

#include "setup/forms/PageStyle.h"
#include "setup/forms/SetupForms.h"
#include "setup/forms/vxCustom.h"

namespace vx::setup {

constexpr int kWidth = 420;
constexpr int kHeight = 371;

TfrmLicense::TfrmLicense()
{
    StylePage(*this, "frmLicense", "License Agreement & Disclaimer", kWidth, kHeight);
    PlaceBanner(imgVertical, kHeight);
    memoLicense.SetName("memoLicense");
    memoLicense.SetBounds(PageLeft, 12, kWidth - PageLeft - 12, 300);
    memoLicense.SetReadOnly(true);
    memoLicense.SetBorder(false);
    memoLicense.SetVerticalScrollBar(true);
    memoLicense.SetWordWrap(true);
    memoLicense.SetTabStop(false);
    memoLicense.SetColor(ui::clWhite);
    memoLicense.SetVisible(false);
    StyleButton(btnNext, "btnNext", "I Agree", kWidth - 2 * 96 - 24, kHeight - 46);
    btnNext.SetModalResult(ui::ModalResult::Ok);
    btnNext.SetDefault(true);
    StyleButton(JLAqua1, "JLAqua1", "Cancel", kWidth - 96 - 12, kHeight - 46);
    JLAqua1.SetModalResult(ui::ModalResult::Cancel);
    JLAqua1.SetCancel(true);
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

// Laid out for 120 pixels per inch, unscaled: nothing to do at run time.
void TfrmLicense::FormCreate() {}

void TfrmLicense::FormShow()
{
    memoLicense.SetText(CurrentSetupForms().custom->memoRegisteredLicense.Text());
    memoLicense.SetVisible(true);
    memoLicense.Repaint();
    CopyBanner(imgVertical);
}

}  // namespace vx::setup
