#include "setup/forms/suInstallOptions.h"

#include "platform/SystemFolders.h"
#include "setup/InstallEngine.h"
#include "setup/ProductsPage.h"
#include "setup/ResellerNumber.h"
#include "setup/SetupPaths.h"
#include "setup/SetupState.h"
#include "setup/forms/PageStyle.h"
#include "setup/forms/SetupForms.h"
#include "setup/forms/suInstallDir.h"
#include "setup/forms/vxCustom.h"

namespace vx::setup {
namespace {

constexpr int kWidth = 422;
constexpr int kHeight = 368;
constexpr int kPanelTop = 234;

std::string WithTrailingBackslash(std::string path)
{
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path;
}

}  // namespace

TfrmInstallOptions::TfrmInstallOptions()
{
    StylePage(*this, "frmInstallOptions", "Installation Options", kWidth, kHeight);
    PlaceBanner(imgVertical, kHeight);
    PlaceOptions();
    PlacePictures();
    PlaceButtons();
    PlaceCompletionPanel();
    OnCreate = [this] { FormCreate(); };
    OnShow = [this] { FormShow(); };
}

void TfrmInstallOptions::PlaceOptions()
{
    const int width = kWidth - PageLeft - 14;
    Label1.SetBounds(PageLeft, 12, width, 18);
    Label1.SetCaption("Install to:");
    Label1.SetTransparent(true);
    edtDefaultInstallDirectory.SetName("edtDefaultInstallDirectory");
    edtDefaultInstallDirectory.SetBounds(PageLeft, 32, width, 24);
    edtDefaultInstallDirectory.OnChange = [this] { edtDefaultInstallDirectoryChange(); };
    PairCheckBox(cbxAddIcon, Label5, "cbxAddIcon", "Label5", "Add Icon to Deskop", PageLeft, 66);
    PairCheckBox(cbxAddLink, Label6, "cbxAddLink", "Label6", "Add Link to Start Menu", PageLeft, 90);
    Label4.SetBounds(PageLeft, 118, width, 48);
    Label4.SetWordWrap(true);
    Label4.SetTransparent(true);
    Label4.SetCaption("Please click the \"Install\" button to begin the installation, or click on the \"Browse\" "
                      "button to choose a different install directory.");
}

void TfrmInstallOptions::PlacePictures()
{
    ui::Image* ads[] = {&imgAd1, &imgAd2, &imgAd3};
    for (int i = 0; i < 3; ++i) {
        ads[i]->SetName("imgAd" + std::to_string(i + 1));
        ads[i]->SetBounds(PageLeft + 6 + i * 112, 170, 96, 60);
    }
    Image4.SetName("Image4");
    Image4.SetBounds(PageLeft + 6, 238, 200, 44);
    lblQuorvexProducts.SetName("lblQuorvexProducts");
    lblQuorvexProducts.SetBounds(PageLeft + 6, 288, 330, 18);
    lblQuorvexProducts.SetCaption("Click here to learn more about our products");
    lblQuorvexProducts.SetTransparent(true);
    ui::Font link = PageFont();
    link.color = ui::Rgb(0, 64, 192);
    link.underline = true;
    lblQuorvexProducts.SetFont(link);
    lblQuorvexProducts.OnClick = [] { OpenProductsPage(); };
}

void TfrmInstallOptions::PlaceButtons()
{
    StyleButton(btnNext, "btnNext", "Install", kWidth - 3 * 96 - 30, kHeight - 46);
    btnNext.SetDefault(true);
    btnNext.OnClick = [this] { btnInstallClick(); };
    StyleButton(JLAqua2, "JLAqua2", "Browse", kWidth - 2 * 96 - 21, kHeight - 46);
    JLAqua2.OnClick = [this] { btnBrowseClick(); };
    StyleButton(JLAqua3, "JLAqua3", "Close", kWidth - 96 - 12, kHeight - 46);
    JLAqua3.SetModalResult(ui::ModalResult::Cancel);
    JLAqua3.SetCancel(true);
}

void TfrmInstallOptions::PlaceCompletionPanel()
{
    pnlInstallCompleted.SetName("pnlInstallCompleted");
    pnlInstallCompleted.SetBounds(59, kPanelTop, kWidth - 59, kHeight - kPanelTop);
    pnlInstallCompleted.SetColor(ui::Rgb(236, 240, 246));
    pnlInstallCompleted.SetBevelOuter(ui::Bevel::None);
    pnlInstallCompleted.SetVisible(false);
    Label2.SetBounds(13, 10, 300, 22);
    Label2.SetCaption("Installation Completed!");
    Label2.SetTransparent(true);
    ui::Font heading = PageFont();
    heading.height = -17;
    heading.bold = true;
    heading.color = ui::Rgb(0, 64, 128);
    Label2.SetFont(heading);
    PairCheckBox(cboxRunNow, lblRunProductNow, "cboxRunNow", "lblRunProductNow", "", 13, 40);
    PairCheckBox(cboxViewNotes, Label7, "cboxViewNotes", "Label7", "View Release Notes", 13, 64);
    StyleButton(JLAqua1, "JLAqua1", "Close", kWidth - 59 - 96 - 12, kHeight - kPanelTop - 46);
    JLAqua1.OnClick = [this] { btnExitClick(); };
}

void TfrmInstallOptions::FormCreate()
{
    // Laid out for 120 pixels per inch, unscaled.
    setupState.sourceDir = WithTrailingBackslash(platform::Folders().TemporaryDirectory());
    setupState.windowsDir = platform::Folders().WindowsDirectory();
    setupState.addDesktopIcon = false;
    setupState.addStartMenuLinks = false;
    const TfrmCustom& custom = *CurrentSetupForms().custom;
    CopyBanner(imgVertical);
    imgAd1.SetPicture(custom.imgAd1.Picture());
    imgAd2.SetPicture(custom.imgAd2.Picture());
    imgAd3.SetPicture(custom.imgAd3.Picture());
    Image4.SetPicture(custom.imgLogo.Picture());
    edtDefaultInstallDirectory.SetText(setupState.programFilesDir + std::string(DefaultInstallSubdirectory));
    lblRunProductNow.SetCaption("Run Velocitrex Now");
    LoadResellerNumber(setupState.sourceDir);
}

void TfrmInstallOptions::FormShow()
{
    edtDefaultInstallDirectory.SetText(setupState.chosenDir);
}

void TfrmInstallOptions::edtDefaultInstallDirectoryChange()
{
    setupState.chosenDir = edtDefaultInstallDirectory.Text();
}

void TfrmInstallOptions::btnInstallClick()
{
    setupState.installDir = edtDefaultInstallDirectory.Text();
    Repaint();
    DoTheInstall();
}

void TfrmInstallOptions::DoTheInstall()
{
    WriteAutostartEntries();
    setupState.addDesktopIcon = cbxAddIcon.Checked();
    setupState.addStartMenuLinks = cbxAddLink.Checked();
    setupState.windowsDir = platform::Folders().WindowsDirectory();
    if (RunInstall() && !setupState.installFailed) {
        // The panel covers the three buttons; hidden too, no key reaches them.
        for (widgets::TJLAqua* covered : {&btnNext, &JLAqua2, &JLAqua3})
            covered->SetVisible(false);
        pnlInstallCompleted.SetVisible(true);
        WriteUninstallEntry();
        btnNext.SetDefault(false);
        JLAqua1.SetDefault(true);
        return;
    }
    SetModalResult(ui::ModalResult::Abort);
}

void TfrmInstallOptions::btnBrowseClick()
{
    Hide();
    if (CurrentSetupForms().directory->ShowModal() == ui::ModalResult::Ok)
        edtDefaultInstallDirectory.SetText(setupState.chosenDir);
    Show();
}

void TfrmInstallOptions::btnExitClick()
{
    if (cboxRunNow.Checked())
        RunInstalledProgram();
    if (cboxViewNotes.Checked())
        ShowReleaseNotes();
    SetModalResult(ui::ModalResult::Ok);
}

}  // namespace vx::setup
