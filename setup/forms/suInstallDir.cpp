#include "setup/forms/suInstallDir.h"

#include "setup/SetupPaths.h"
#include "setup/SetupState.h"
#include "setup/forms/PageStyle.h"
#include "ui/Application.h"

namespace vx::setup {

constexpr int kWidth = 422;
constexpr int kHeight = 373;

TfrmInstallDir::TfrmInstallDir()
{
    StylePage(*this, "frmInstallDir", "Installation Directory", kWidth, kHeight);
    PlaceBanner(imgVertical, kHeight);
    const int width = kWidth - PageLeft - 14;
    lblInstallDirectory.SetBounds(PageLeft, 12, width, 18);
    lblInstallDirectory.SetCaption("Install Directory: ");
    lblInstallDirectory.SetTransparent(true);
    Edit1.SetName("Edit1");
    Edit1.SetBounds(PageLeft, 32, width, 24);
    lblInstallDrive.SetBounds(PageLeft, 66, width, 18);
    lblInstallDrive.SetCaption("Install Drive: ");
    lblInstallDrive.SetTransparent(true);
    DriveComboBox1.SetName("DriveComboBox1");
    DriveComboBox1.SetBounds(PageLeft, 86, width, 24);
    DriveComboBox1.OnChange = [this] { DriveComboBox1Change(); };
    lblChooseDirectory.SetBounds(PageLeft, 120, width, 18);
    lblChooseDirectory.SetCaption("Choose Directory:");
    lblChooseDirectory.SetTransparent(true);
    DirectoryListBox1.SetName("DirectoryListBox1");
    DirectoryListBox1.SetBounds(PageLeft, 140, width, 176);
    DirectoryListBox1.OnChange = [this] { DirectoryListBox1Change(); };
    DirectoryListBox1.OnClick = [this] { DirectoryListBox1Click(); };
    StyleButton(btnNext, "btnNext", "OK", kWidth - 2 * 96 - 24, kHeight - 46);
    btnNext.SetDefault(true);
    btnNext.OnClick = [this] { btnOKClick(); };
    StyleButton(JLAqua1, "JLAqua1", "Cancel", kWidth - 96 - 12, kHeight - 46);
    JLAqua1.SetModalResult(ui::ModalResult::Cancel);
    JLAqua1.SetCancel(true);
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TfrmInstallDir::FormCreate()
{
    CopyBanner(imgVertical);
}

void TfrmInstallDir::FormShow()
{
    DriveComboBox1.SetDrive('C');
    ui::Application::Current().ProcessMessages();
    if (!setupState.programFilesDir.empty())
        DirectoryListBox1.SetDirectory(setupState.programFilesDir);
    Edit1.SetText(setupState.programFilesDir + std::string(DefaultInstallSubdirectory));
    Repaint();
}

void TfrmInstallDir::DriveComboBox1Change()
{
    if (DriveComboBox1.Drive() != 0)
        DirectoryListBox1.SetDrive(DriveComboBox1.Drive());
}

void TfrmInstallDir::DirectoryListBox1Change()
{
    Edit1.SetText(JoinPath(DirectoryListBox1.Directory(), DefaultInstallSubdirectory.substr(1)));
}

void TfrmInstallDir::DirectoryListBox1Click()
{
    DirectoryListBox1.OpenSelected();
}

void TfrmInstallDir::btnOKClick()
{
    setupState.chosenDir = Edit1.Text();
    SetModalResult(ui::ModalResult::Ok);
}

}  // namespace vx::setup
