#pragma once
// TfrmInstallDir: picks the install directory from a drive list and a directory
// tree, or takes a typed one.
#include "ui/DirectoryList.h"
#include "ui/DriveList.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "widgets/JLAqua.h"

namespace vx::setup {

class TfrmInstallDir : public ui::Form {
public:
    TfrmInstallDir();

    ui::Image imgVertical{this};
    ui::Label lblInstallDirectory{this};
    ui::Edit Edit1{this};
    ui::Label lblInstallDrive{this};
    ui::DriveList DriveComboBox1{this};
    ui::Label lblChooseDirectory{this};
    ui::DirectoryList DirectoryListBox1{this};
    widgets::TJLAqua btnNext{this};
    widgets::TJLAqua JLAqua1{this};

private:
    void FormCreate();
    void FormShow();
    void DriveComboBox1Change();
    void DirectoryListBox1Change();
    void DirectoryListBox1Click();
    void btnOKClick();
};

}  // namespace vx::setup
