#pragma once
// The advanced page's rules on a page of plain state: radio groups whose buttons
// report becoming checked as a form's do, spin boxes that keep their ranges, and
// a record of the sounds and the figure.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "wizard/AdvancedSettings.h"

namespace vx::test {

class FakeAdvancedView : public wizard::AdvancedPageView {
public:
    using Group = wizard::AdvancedGroup;
    using Spin = wizard::AdvancedSpin;

    FakeAdvancedView() { checked.fill(-1); }

    void Attach(wizard::AdvancedSettings& page) { page_ = &page; }

    // A person clicking a button: nothing when it is checked already.
    void Click(Group group, int button) { Check(group, button); }
    // A person typing into the manual MTU list (no item stays chosen) or choosing one.
    void TypeMtu(std::string text)
    {
        mtuText = std::move(text);
        mtuItem = -1;
    }
    void ChooseMtuItem(int item) { SelectManualMtuItem(item); }
    int Checked(Group group) const { return checked[static_cast<std::size_t>(group)]; }

    void ShowSelection(Group group, int button) override
    {
        if (button < 0)
            checked[static_cast<std::size_t>(group)] = -1;
        else
            Check(group, button);
    }
    void ProcessMessages() override {}
    void ClickSound() override { ++sounds; }
    std::string ManualMtuText() const override { return mtuText; }
    int ManualMtuItem() const override { return mtuItem; }
    void SelectManualMtuItem(int item) override
    {
        mtuItem = item;
        mtuText = std::string(wizard::ManualMtuItems[static_cast<std::size_t>(item)]);
    }
    void SetManualMtuText(const std::string& text) override
    {
        if (mtuItem >= 0 && text != wizard::ManualMtuItems[static_cast<std::size_t>(mtuItem)])
            mtuItem = -1;
        mtuText = text;
    }
    int SpinValue(Spin spin) const override { return spins[static_cast<std::size_t>(spin)]; }
    void SetSpinValue(Spin spin, int value) override
    {
        const auto& [low, high] = Ranges[static_cast<std::size_t>(spin)];
        spins[static_cast<std::size_t>(spin)] = std::clamp(value, low, high);
    }
    void ShowReceiveWindow(int64_t value) override { figure = value; }
    void ShowChangesPending() override { changesShown = true; }

    std::array<int, wizard::AdvancedGroupCount> checked{};
    std::string mtuText = "576";
    int mtuItem = -1;
    std::array<int, 3> spins = {60, 60, 3};
    int64_t figure = -2;
    int sounds = 0;
    bool changesShown = false;

private:
    static constexpr std::array<std::pair<int, int>, 3> Ranges = {{{1, 113}, {5, 60}, {1, 3}}};

    void Check(Group group, int button)
    {
        int& slot = checked[static_cast<std::size_t>(group)];
        if (slot == button)
            return;
        slot = button;
        if (page_)
            page_->ButtonSelected(group, button);
    }

    wizard::AdvancedSettings* page_ = nullptr;
};

}  // namespace vx::test
