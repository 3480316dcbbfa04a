#pragma once
// The main window: the first page of the tuning wizard. The user picks the kind
// of connection, then the automatic or the advanced page; the window's modal run
// ends with Yes when a page ended with it (the dispatcher then applies) and with
// Retry to go to the tray.
#include <string>

#include "platform/FileVersionQuery.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/RadioButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"
#include "widgets/PlasmaForm.h"

namespace vx::wizard {

class Tfrm2002Main : public ui::Form {
public:
    Tfrm2002Main();

    widgets::TPlasmaForm PlasmaForm1{this};
    ui::Image imgLogo{this};
    widgets::TJLAqua JLAqua4{this};
    widgets::TDsFancyButton btnExxit{this};
    widgets::TNvOS8PushButton NvOS8PushButton5{this};
    widgets::TNvOS8PushButton NvOS8PushButton1{this};
    widgets::TNvOS8PushButton NvOS8PushButton2{this};
    widgets::TNvOS8PushButton NvOS8PushButton3{this};
    // Outside the outline: no person reaches it.
    widgets::TNvOS8PushButton btnMinimize{this};

    ui::Panel Panel3{this};  // start
    ui::Image imgStart{&Panel3};

    ui::Panel Panel2{this};  // connection type
    ui::Image imgConnectionHeading{&Panel2};
    ui::RadioButton rbtnDialup{&Panel2};
    ui::RadioButton rbtnCable{&Panel2};
    ui::RadioButton rbtnLAN{&Panel2};
    ui::RadioButton rbtnDSL1{&Panel2};
    ui::RadioButton rbtnDSL2{&Panel2};
    ui::RadioButton rbtnDSL3{&Panel2};
    widgets::TJLAqua JLAqua5{&Panel2};

    ui::Panel Panel1{this};  // method
    ui::Image imgMethodHeading{&Panel1};
    ui::RadioButton RadioButton1{&Panel1};
    ui::RadioButton RadioButton2{&Panel1};
    ui::Label lblExpertNote{&Panel1};
    widgets::TJLAqua JLAqua1{&Panel1};
    widgets::TJLAqua btnNext{&Panel1};

    void LoadConnectionType();
    void ShowAutomaticPage();
    void ShowAdvancedPage();

private:
    void Build();
    void BuildPanels();
    void FormCreate();
    void FormShow();
    void NvOS8PushButton5Click();
    void rbtnDialupClick(ui::RadioButton& sender);
    void JLAqua5Click();
    void NvOS8PushButton9Click();
    void btnNextClick();
    void btnMinimizeClick();
    void btnCloseClick();
    // Hides this window while the page runs; passes Yes and Retry on.
    void AfterPage(ui::ModalResult result);

    platform::FileVersionNumbers version_{};
};

}  // namespace vx::wizard
