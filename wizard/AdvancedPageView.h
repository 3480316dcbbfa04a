#pragma once
// What the advanced page's rules need from the page they run on: its radio groups,
// the entries they read figures from, the receive-window figure and the notes.
#include <cstdint>
#include <string>

#include "wizard/AdvancedGroups.h"

namespace vx::wizard {

enum class AdvancedSpin { RwinMultiplier, KeepAlive, DupAcks };

class AdvancedPageView {
public:
    virtual ~AdvancedPageView() = default;

    // Checks the button (which unchecks the others of its group); -1 unchecks all.
    virtual void ShowSelection(AdvancedGroup group, int button) = 0;
    virtual void ProcessMessages() = 0;
    virtual void ClickSound() = 0;

    // The manual MTU list: its text and selected item (-1 none).
    virtual std::string ManualMtuText() const = 0;
    virtual int ManualMtuItem() const = 0;
    virtual void SelectManualMtuItem(int item) = 0;
    virtual void SetManualMtuText(const std::string& text) = 0;

    // A spin box's value, always inside its range.
    virtual int SpinValue(AdvancedSpin spin) const = 0;
    virtual void SetSpinValue(AdvancedSpin spin, int value) = 0;

    virtual void ShowReceiveWindow(int64_t figure) = 0;
    // The first change: note 1 goes, both apply buttons show and take clicks.
    virtual void ShowChangesPending() = 0;
};

}  // namespace vx::wizard
