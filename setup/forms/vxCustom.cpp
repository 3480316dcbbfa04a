#include "setup/forms/vxCustom.h"

#include "setup/LicenseText.h"

namespace vx::setup {

TfrmCustom::TfrmCustom(SetupPictures pictures)
{
    SetName("frmCustom");
    SetCaption("frmCustom");
    memoRegisteredLicense.SetName("memoRegisteredLicense");
    memoRegisteredLicense.SetText(LicenseText());
    imgVertical.SetName("imgVertical");
    imgVertical.SetBounds(0, 0, 59, 321);
    imgVertical.SetPicture(std::move(pictures.banner));
    ui::Image* ads[] = {&imgAd1, &imgAd2, &imgAd3};
    for (int i = 0; i < 3; ++i) {
        ads[i]->SetName("imgAd" + std::to_string(i + 1));
        ads[i]->SetBounds(70 + i * 100, 0, 96, 60);
        ads[i]->SetPicture(std::move(pictures.ads[static_cast<size_t>(i)]));
    }
    imgLogo.SetName("imgLogo");
    imgLogo.SetPicture(std::move(pictures.logo));
}

}  // namespace vx::setup
