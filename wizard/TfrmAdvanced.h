#pragma once
// The advanced settings page: every tunable parameter by hand, in ten groups. It
// opens on what the TCP/IP settings hold now and stores each selection as a
// product preference at once; "Velocitrex Me!" ends it with Yes (6) so that the
// apply screen writes them, anything else ends it with No (7).
#include <array>
#include <memory>
#include <vector>

#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "widgets/AHMHint.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/PlasmaForm.h"
#include "wizard/AdvancedPageView.h"
#include "wizard/AdvancedSettings.h"

namespace vx::wizard {

class TfrmAdvanced : public ui::Form, private AdvancedPageView {
public:
    // owner: the main window, whose place the page takes when shown.
    explicit TfrmAdvanced(ui::Form* owner);
    ~TfrmAdvanced() override;

private:
    void BuildGroups();
    void BuildEntries();
    void BuildFooter();
    void BuildHeader();
    void FormShow();
    void FormClose();
    void btnVelocitrexMeClick();
    void btnCancelClick();
    void btnMinimizeClick();

    // AdvancedPageView
    void ShowSelection(AdvancedGroup group, int button) override;
    void ProcessMessages() override;
    void ClickSound() override;
    std::string ManualMtuText() const override;
    int ManualMtuItem() const override;
    void SelectManualMtuItem(int item) override;
    void SetManualMtuText(const std::string& text) override;
    int SpinValue(AdvancedSpin spin) const override;
    void SetSpinValue(AdvancedSpin spin, int value) override;
    void ShowReceiveWindow(int64_t figure) override;
    void ShowChangesPending() override;

    ui::SpinBox& Spin(AdvancedSpin spin) const;
    ui::GroupBox& Group(AdvancedGroup group) const { return *groups_[static_cast<std::size_t>(group)]; }

    ui::Form* mainWindow_;
    // The bubble hint window, when the program has not installed it already.
    std::unique_ptr<widgets::TAHMHint> ownHint_;
    widgets::TPlasmaForm surface_{this};
    std::array<std::unique_ptr<ui::GroupBox>, AdvancedGroupCount> groups_;
    std::array<std::vector<std::unique_ptr<ui::RadioButton>>, AdvancedGroupCount> buttons_;
    std::unique_ptr<ui::ComboBox> comboMTUManual_;
    std::unique_ptr<ui::SpinBox> spinRWINMultiplier_;
    std::unique_ptr<ui::SpinBox> spinSKA_;
    std::unique_ptr<ui::SpinBox> spnTcpDupAcks_;
    std::unique_ptr<ui::Label> lblRWIN_;
    ui::Label lblWaitToPress_{this};
    ui::Label lblNote_{this};
    widgets::TJLAqua btnNext_{this};
    widgets::TJLAqua JLAqua2_{this};
    widgets::TJLAqua JLAqua1_{this};
    widgets::TDsFancyButton btnExxit_{this};
    widgets::TJLAqua btnVelocitrexMe_{this};
    widgets::TJLAqua btnMinimize_{this};
    AdvancedSettings settings_;
};

}  // namespace vx::wizard
