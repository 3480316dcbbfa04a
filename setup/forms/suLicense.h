#pragma once
// TfrmLicense: the licence agreement; "I Agree" goes on, "Cancel" ends the setup.
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Memo.h"
#include "widgets/JLAqua.h"

namespace vx::setup {

class TfrmLicense : public ui::Form {
public:
    TfrmLicense();

    ui::Image imgVertical{this};
    ui::Memo memoLicense{this};
    widgets::TJLAqua btnNext{this};
    widgets::TJLAqua JLAqua1{this};

private:
    void FormCreate();
    void FormShow();
};

}  // namespace vx::setup
