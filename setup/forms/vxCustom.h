#pragma once
// TfrmCustom: never shown; holds what the pages copy: the licence text, the
// banner and the three advertisements.
#include "setup/forms/SetupPictures.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"

namespace vx::setup {

class TfrmCustom : public ui::Form {
public:
    explicit TfrmCustom(SetupPictures pictures);

    ui::Memo memoRegisteredLicense{this};
    ui::Image imgVertical{this};
    ui::Image imgAd1{this};
    ui::Image imgAd2{this};
    ui::Image imgAd3{this};
    ui::Image imgLogo{this};
};

}  // namespace vx::setup
