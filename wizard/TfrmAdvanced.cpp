#include "wizard/TfrmAdvanced.h"

#include <string>

#include "apps/velocitrex/art/Artwork.h"
#include "apps/velocitrex/art/Layout.h"
#include "common/PlatformKind.h"
#include "common/RegistryCalls.h"
#include "dispatcher/ProgramState.h"
#include "dispatcher/WindowServices.h"
#include "engine/vxRegistryKeys.h"
#include "ui/Application.h"
#include "wizard/AdvancedLayout.h"
#include "wizard/WizardFrame.h"

namespace vx::wizard {

namespace {

namespace adv = art::layout::advanced;

constexpr int ClickSoundCode = 0;
constexpr ui::Color NdiUsableText = ui::Rgb(192, 192, 192);
constexpr ui::Color NdiUnusableText = ui::Rgb(128, 128, 128);
constexpr ui::Color CaptionText = ui::Rgb(0x10, 0x2A, 0x6B);
constexpr ui::Color NoteText = ui::Rgb(0xC8, 0xCE, 0xDA);
constexpr ui::Color AquaBody = ui::Rgb(160, 183, 241);

ui::Font PageFont(int height, bool bold, ui::Color color, const char* name = "MS Sans Serif")
{
    ui::Font font;
    font.name = name;
    font.height = height;
    font.bold = bold;
    font.color = color;
    return font;
}

void StyleAqua(widgets::TJLAqua& button, const char* name, const char* caption, ui::Color under)
{
    button.SetName(name);
    button.SetCaption(caption);
    button.SetButtonColor(AquaBody);
    button.SetBackgroundError(under);
    button.SetFont(PageFont(-13, true, ui::clBlack, "Arial"));
}

}  // namespace

TfrmAdvanced::TfrmAdvanced(ui::Form* owner) : mainWindow_(owner), settings_(*this, IsWin9xFamily())
{
    if (!widgets::TAHMHint::Instance())
        ownHint_ = std::make_unique<widgets::TAHMHint>();
    SetName("frmAdvanced");
    SetCaption("Velocitrex - Advanced Settings");
    SetBorderStyle(ui::BorderStyle::None);
    SetColor(art::WizardColor);
    SetFont(PageFont(-11, false, ui::clBlack));
    surface_.SetPicture(art::AdvancedPageBitmap());
    surface_.Mask().Assign(art::WizardRegion());
    surface_.Loaded();
    SetClientSize(adv::Width, adv::Height);

    BuildGroups();
    BuildEntries();
    BuildHeader();
    BuildFooter();

    OnShow = [this] { FormShow(); };
    OnClose = [this](ui::CloseAction&) { FormClose(); };
    // FormCreate: every group as the TCP/IP settings stand now.
    settings_.Open();
}

TfrmAdvanced::~TfrmAdvanced() = default;

void TfrmAdvanced::BuildGroups()
{
    const auto places = AdvancedGroupPlaces();
    for (int g = 0; g < AdvancedGroupCount; ++g) {
        const auto group = static_cast<AdvancedGroup>(g);
        const AdvancedGroupInfo& info = GroupInfo(group);
        const AdvancedGroupPlace& place = places[static_cast<std::size_t>(g)];
        auto box = std::make_unique<ui::GroupBox>(this);
        box->SetName(std::string(info.name));
        box->SetCaption(std::string(info.caption));
        box->SetColor(ui::clWhite);
        box->SetFont(PageFont(-11, true, CaptionText));
        Place(*box, place.box);
        if (!info.hint.empty()) {
            box->SetHint(std::string(info.hint));
            box->SetShowHint(true);
        }
        auto& buttons = buttons_[static_cast<std::size_t>(g)];
        for (int b = 0; b < static_cast<int>(info.buttons.size()); ++b) {
            const AdvancedButton& buttonInfo = info.buttons[static_cast<std::size_t>(b)];
            auto radio = std::make_unique<ui::RadioButton>(box.get());
            radio->SetName(std::string(buttonInfo.name));
            radio->SetCaption(std::string(buttonInfo.caption));
            radio->SetColor(ui::clWhite);
            radio->SetFont(PageFont(-11, false, ui::clBlack));
            Place(*radio, ButtonRow(place, b));
            if (!buttonInfo.hint.empty()) {
                radio->SetHint(std::string(buttonInfo.hint));
                radio->SetShowHint(true);
            }
            radio->OnClick = [this, group, b] { settings_.ButtonSelected(group, b); };
            buttons.push_back(std::move(radio));
        }
        groups_[static_cast<std::size_t>(g)] = std::move(box);
    }
}

// The spin boxes stand beside their groups' "Manual Setting", which stops short
// of them; the MTU list, wider, has the row under its button.
void TfrmAdvanced::BuildEntries()
{
    const auto places = AdvancedGroupPlaces();
    const auto beside = [&](AdvancedGroup group, int row, ui::Control& entry) {
        const AdvancedGroupPlace& place = places[static_cast<std::size_t>(group)];
        const art::Box box = EntryBeside(place, row);
        Place(entry, box);
        auto& button = *buttons_[static_cast<std::size_t>(group)][static_cast<std::size_t>(row)];
        button.SetBounds(button.Left(), button.Top(), box.left - 4 - button.Left(), button.Height());
    };
    comboMTUManual_ = std::make_unique<ui::ComboBox>(&Group(AdvancedGroup::Mtu));
    comboMTUManual_->SetName("comboMTUManual");
    comboMTUManual_->SetStyle(ui::ComboStyle::DropDown);
    comboMTUManual_->SetItems({ManualMtuItems[0].data(), ManualMtuItems[1].data(), ManualMtuItems[2].data(),
                               ManualMtuItems[3].data(), ManualMtuItems[4].data(), ManualMtuItems[5].data()});
    comboMTUManual_->SetText("576");
    Place(*comboMTUManual_, EntryBelow(places[static_cast<std::size_t>(AdvancedGroup::Mtu)], mtu_button::Manual));

    const auto spin = [&](const char* name, AdvancedGroup group, int row, int low, int high, int step, int initial) {
        auto box = std::make_unique<ui::SpinBox>(&Group(group));
        box->SetName(name);
        box->SetRange(low, high);
        box->SetIncrement(step);
        box->SetValue(initial);
        beside(group, row, *box);
        return box;
    };
    spinRWINMultiplier_ = spin("spinRWINMultiplier", AdvancedGroup::Rwin, rwin_button::Manual, 1, 113, 1, 60);
    spinSKA_ = spin("spinSKA", AdvancedGroup::Ska, ska_button::Manual, 5, 60, 5, 60);
    spnTcpDupAcks_ = spin("spnTcpDupAcks", AdvancedGroup::DupAcks, dupacks_button::Manual, 1, 3, 1, 3);
    spnTcpDupAcks_->SetFont(PageFont(-11, false, ui::clSilver));

    // The figure stands on the default's row, right-aligned where a number reads.
    lblRWIN_ = std::make_unique<ui::Label>(&Group(AdvancedGroup::Rwin));
    lblRWIN_->SetName("lblRWIN");
    lblRWIN_->SetAlignment(ui::Alignment::Right);
    lblRWIN_->SetTransparent(true);
    lblRWIN_->SetFont(PageFont(-11, true, ui::clBlack));
    lblRWIN_->SetHint("The maximum is determined by the Operating System.");
    lblRWIN_->SetShowHint(true);
    const art::Box figure = EntryBeside(places[static_cast<std::size_t>(AdvancedGroup::Rwin)], rwin_button::Default);
    Place(*lblRWIN_, {figure.left, figure.top + 3, figure.right, figure.bottom - 3});
    auto& rwinDefault = *buttons_[static_cast<std::size_t>(AdvancedGroup::Rwin)][rwin_button::Default];
    rwinDefault.SetBounds(rwinDefault.Left(), rwinDefault.Top(), figure.left - 4 - rwinDefault.Left(),
                          rwinDefault.Height());
}

void TfrmAdvanced::BuildHeader()
{
    StyleAqua(JLAqua1_, "JLAqua1", "Help", art::HeaderColor);
    Place(JLAqua1_, adv::HelpButton);
    JLAqua1_.OnClick = [] {
        dispatcher::PlaySoundCue(ClickSoundCode);
        OpenHelpPage();
    };

    btnExxit_.SetName("btnExxit");
    btnExxit_.SetCaption("X");
    btnExxit_.SetShape(widgets::TFShape::shOval);
    btnExxit_.SetButtonColor(ui::Rgb(191, 0, 0));
    btnExxit_.SetFrameColor(ui::Rgb(40, 0, 0));
    btnExxit_.SetFrameWidth(5);
    btnExxit_.SetFont(PageFont(-12, true, ui::clWhite, "Arial"));
    Place(btnExxit_, adv::Exit);
    btnExxit_.OnClick = [] {
        dispatcher::PlaySoundCue(ClickSoundCode);
        QuitFromWizard();
    };
}

void TfrmAdvanced::BuildFooter()
{
    // Note 1 takes two lines of the footer, note 2 the third.
    const auto note = [&](ui::Label& label, const char* name, const char* text, int firstLine, int lines) {
        label.SetName(name);
        label.SetCaption(text);
        label.SetTransparent(true);
        label.SetWordWrap(true);
        label.SetFont(PageFont(-10, false, NoteText, "Arial"));
        const art::Box notes{adv::Notes.left, adv::Footer.top + 2, adv::Notes.right, adv::Footer.bottom - 1};
        const int lineHeight = notes.Height() / 3;
        Place(label, {notes.left, notes.top + firstLine * lineHeight, notes.right,
                      notes.top + (firstLine + lines) * lineHeight});
    };
    note(lblWaitToPress_, "lblWaitToPress",
         "Notes: 1. When you change a setting, you may then press the \"Velocitrex Me\" button.", 0, 2);
    note(lblNote_, "lblNote", "2. Settings are not applicable to your OS if selection is dark gray.", 2, 1);

    StyleAqua(btnNext_, "btnNext", "Cancel", art::FooterColor);
    Place(btnNext_, adv::CancelButton);
    btnNext_.OnClick = [this] { btnCancelClick(); };
    StyleAqua(JLAqua2_, "JLAqua2", "Velocitrex Me!", art::FooterColor);
    Place(JLAqua2_, adv::VelocitrexMeButton);
    JLAqua2_.SetEnabled(false);
    JLAqua2_.OnClick = [this] { btnVelocitrexMeClick(); };

    // Outside the window's outline: never reachable.
    StyleAqua(btnVelocitrexMe_, "btnVelocitrexMe", "Velocitrex Me !", art::WizardColor);
    Place(btnVelocitrexMe_, adv::HiddenApplyButton);
    btnVelocitrexMe_.SetEnabled(false);
    btnVelocitrexMe_.OnClick = [this] { btnVelocitrexMeClick(); };
    StyleAqua(btnMinimize_, "btnMinimize", "_", art::WizardColor);
    Place(btnMinimize_, adv::MinimizeButton);
    btnMinimize_.SetVisible(false);
    btnMinimize_.OnClick = [this] { btnMinimizeClick(); };

    // Tab goes through the groups column by column first, then these.
    for (ui::Control* last : {static_cast<ui::Control*>(&btnNext_), static_cast<ui::Control*>(&JLAqua2_),
                              static_cast<ui::Control*>(&JLAqua1_), static_cast<ui::Control*>(&btnExxit_),
                              static_cast<ui::Control*>(&btnVelocitrexMe_), static_cast<ui::Control*>(&btnMinimize_)})
        last->SetTabOrder(1 << 20);
}

void TfrmAdvanced::FormShow()
{
    if (mainWindow_)
        SetBounds(mainWindow_->Left(), mainWindow_->Top(), Width(), Height());
    ui::GroupBox& ndi = Group(AdvancedGroup::Ndi);
    const bool usable = RegKeyExists(RegRoot::LocalMachine, NdiCacheSizeKey);
    ndi.SetEnabled(usable);
    ui::Font font = ndi.GetFont();
    font.color = usable ? NdiUsableText : NdiUnusableText;
    ndi.SetFont(font);
}

void TfrmAdvanced::FormClose()
{
    const ui::ModalResult result = GetModalResult();
    if (result != ui::ModalResult::Yes && result != ui::ModalResult::Retry)
        SetModalResult(ui::ModalResult::No);
}

void TfrmAdvanced::btnVelocitrexMeClick()
{
    ClickSound();
    if (dispatcher::Program().changesPending) {
        JLAqua2_.SetEnabled(false);
        btnVelocitrexMe_.SetEnabled(false);
        SetModalResult(ui::ModalResult::Yes);
    } else {
        SetModalResult(ui::ModalResult::No);
    }
}

void TfrmAdvanced::btnCancelClick()
{
    ClickSound();
    dispatcher::Program().changesPending = false;
    SetModalResult(ui::ModalResult::No);
}

void TfrmAdvanced::btnMinimizeClick()
{
    ClickSound();
    SetModalResult(ui::ModalResult::Retry);
}

void TfrmAdvanced::ShowSelection(AdvancedGroup group, int button)
{
    auto& buttons = buttons_[static_cast<std::size_t>(group)];
    if (button >= 0) {
        buttons[static_cast<std::size_t>(button)]->SetChecked(true);
        return;
    }
    for (auto& radio : buttons)
        radio->SetChecked(false);
}

void TfrmAdvanced::ProcessMessages() { ui::Application::Current().ProcessMessages(); }

void TfrmAdvanced::ClickSound() { dispatcher::PlaySoundCue(ClickSoundCode); }

std::string TfrmAdvanced::ManualMtuText() const { return comboMTUManual_->Text(); }

int TfrmAdvanced::ManualMtuItem() const { return comboMTUManual_->ItemIndex(); }

void TfrmAdvanced::SelectManualMtuItem(int item) { comboMTUManual_->SetItemIndex(item); }

void TfrmAdvanced::SetManualMtuText(const std::string& text) { comboMTUManual_->SetText(text); }

ui::SpinBox& TfrmAdvanced::Spin(AdvancedSpin spin) const
{
    switch (spin) {
    case AdvancedSpin::RwinMultiplier: return *spinRWINMultiplier_;
    case AdvancedSpin::KeepAlive: return *spinSKA_;
    case AdvancedSpin::DupAcks: break;
    }
    return *spnTcpDupAcks_;
}

int TfrmAdvanced::SpinValue(AdvancedSpin spin) const { return Spin(spin).Value(); }

void TfrmAdvanced::SetSpinValue(AdvancedSpin spin, int value) { Spin(spin).SetValue(value); }

void TfrmAdvanced::ShowReceiveWindow(int64_t figure) { lblRWIN_->SetCaption(std::to_string(figure)); }

void TfrmAdvanced::ShowChangesPending()
{
    lblWaitToPress_.SetVisible(false);
    for (widgets::TJLAqua* apply : {&JLAqua2_, &btnVelocitrexMe_}) {
        apply->SetVisible(true);
        apply->SetEnabled(true);
    }
}

}  // namespace vx::wizard
