#pragma once
// TfrmInstallOptions: the install directory and the two shortcut options, the
// Install button, and the completion panel that covers the buttons afterwards.
#include "ui/CheckBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "widgets/JLAqua.h"

namespace vx::setup {

class TfrmInstallOptions : public ui::Form {
public:
    TfrmInstallOptions();

    ui::Image imgVertical{this};
    ui::Label Label1{this};
    ui::Edit edtDefaultInstallDirectory{this};
    ui::CheckBox cbxAddIcon{this};
    ui::Label Label5{this};
    ui::CheckBox cbxAddLink{this};
    ui::Label Label6{this};
    ui::Label Label4{this};
    ui::Image imgAd1{this};
    ui::Image imgAd2{this};
    ui::Image imgAd3{this};
    ui::Image Image4{this};
    ui::Label lblQuorvexProducts{this};
    widgets::TJLAqua btnNext{this};
    widgets::TJLAqua JLAqua2{this};
    widgets::TJLAqua JLAqua3{this};
    ui::Panel pnlInstallCompleted{this};
    ui::Label Label2{&pnlInstallCompleted};
    ui::CheckBox cboxRunNow{&pnlInstallCompleted};
    ui::Label lblRunProductNow{&pnlInstallCompleted};
    ui::CheckBox cboxViewNotes{&pnlInstallCompleted};
    ui::Label Label7{&pnlInstallCompleted};
    widgets::TJLAqua JLAqua1{&pnlInstallCompleted};

private:
    void PlaceOptions();
    void PlacePictures();
    void PlaceButtons();
    void PlaceCompletionPanel();
    void FormCreate();
    void FormShow();
    void edtDefaultInstallDirectoryChange();
    void btnInstallClick();
    void DoTheInstall();
    void btnBrowseClick();
    void btnExitClick();
};

}  // namespace vx::setup
