#include "wizard/AdvancedSettings.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "dispatcher/ProgramState.h"
#include "engine/vxParameterCatalogue.h"
#include "engine/vxPreferences.h"
#include "wizard/WizardState.h"

namespace vx::wizard {

namespace {

constexpr int32_t SmallestMtu = 68;
constexpr int32_t LargestMtu = 65535;
constexpr int32_t HeaderBytes = 40;  // IP and TCP headers: MSS = MTU - 40
constexpr int32_t NotSetMtu = 6666;

// Sets the shared guard for the lifetime of a block of program-made selections.
class QuietSelections {
public:
    QuietSelections() { Wizard().controlsUpdating = true; }
    ~QuietSelections() { Wizard().controlsUpdating = false; }
    QuietSelections(const QuietSelections&) = delete;
    QuietSelections& operator=(const QuietSelections&) = delete;
};

bool Quiet() { return Wizard().controlsUpdating; }

int IndexOfItem(const std::string& text)
{
    for (std::size_t i = 0; i < std::size(ManualMtuItems); ++i)
        if (ManualMtuItems[i] == text)
            return static_cast<int>(i);
    return -1;
}

}  // namespace

int32_t MtuFromText(const std::string& text)
{
    int32_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc{} || ptr != last || value < SmallestMtu || value > LargestMtu)
        return FallbackMtu;
    return value;
}

int64_t DefaultReceiveWindow(const std::string& connectionType, bool win9x, bool lineBad)
{
    if (!win9x) {
        if (lineBad)
            return NtRwinCeiling;
        return connectionType == "N" ? 8760 : 524287;
    }
    int64_t window = 32767;
    if (connectionType == "M")
        window = 8192;
    else if (connectionType == "N")
        window = 8760;
    else if (connectionType == "C")
        window = 149600;
    return lineBad ? window * 2 : window;
}

AdvancedSettings::AdvancedSettings(AdvancedPageView& view, bool win9xLayout) : view_(view), win9x_(win9xLayout)
{
    selected_.fill(-1);
}

void AdvancedSettings::Open()
{
    OpenNumbered(AdvancedGroup::PmtuDiscovery, GetCurrentPmtuDiscovery(), NoButton);
    OpenNumbered(AdvancedGroup::BlackHole, GetCurrentPmtuBlackHoleDetect(), NoButton);
    OpenMtu();
    // The stored line condition comes last: until then the line counts as good.
    LoadReceiveWindow(RwinSource::Current);
    OpenNumbered(AdvancedGroup::Ndi, GetCurrentNdiCacheSize(), ndi_button::Size32);
    OpenManualSpin(AdvancedGroup::Ska, GetCurrentSessionKeepAlive(), ska_button::Manual, AdvancedSpin::KeepAlive);
    OpenNumbered(AdvancedGroup::Ttl, GetCurrentDefaultTtl(), 0);
    OpenNumbered(AdvancedGroup::Sack, GetCurrentSackOpts(), NoButton);
    OpenManualSpin(AdvancedGroup::DupAcks, GetCurrentTcpMaxDupAcks(), dupacks_button::Manual,
                   AdvancedSpin::DupAcks);
    lineGood_ = GetLinePref();
    SelectQuietly(AdvancedGroup::Line, lineGood_ ? line_button::Good : line_button::Bad);
}

// The button standing for the current figure, or the fallback.
void AdvancedSettings::OpenNumbered(AdvancedGroup group, int32_t current, int fallback)
{
    const auto& buttons = GroupInfo(group).buttons;
    int chosen = fallback;
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].value == current)
            chosen = static_cast<int>(i);
    SelectQuietly(group, chosen);
}

// A figure no other button stands for goes into the spin box of "Manual Setting".
void AdvancedSettings::OpenManualSpin(AdvancedGroup group, int32_t current, int manualButton, AdvancedSpin spin)
{
    const auto& buttons = GroupInfo(group).buttons;
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
        if (i != manualButton && buttons[static_cast<std::size_t>(i)].value == current) {
            SelectQuietly(group, i);
            return;
        }
    }
    QuietSelections quiet;
    Select(group, manualButton);
    view_.SetSpinValue(spin, current);
    view_.ProcessMessages();
}

void AdvancedSettings::OpenMtu()
{
    const int32_t current = GetCurrentMtu();
    QuietSelections quiet;
    const auto& buttons = GroupInfo(AdvancedGroup::Mtu).buttons;
    if (current == -1 || current == NotSetMtu) {
        Select(AdvancedGroup::Mtu, mtu_button::Default);
        chosenMtu_ = FallbackMtu;
    } else {
        chosenMtu_ = current;
        int chosen = mtu_button::Manual;
        for (int i = mtu_button::Default + 1; i < mtu_button::Manual; ++i)
            if (buttons[static_cast<std::size_t>(i)].value == current)
                chosen = i;
        Select(AdvancedGroup::Mtu, chosen);
        if (chosen == mtu_button::Manual) {
            const int item = IndexOfItem(std::to_string(current));
            if (item >= 0)
                view_.SelectManualMtuItem(item);
        }
    }
    view_.SetManualMtuText(std::to_string(chosenMtu_));
    view_.ProcessMessages();
}

void AdvancedSettings::ButtonSelected(AdvancedGroup group, int button)
{
    selected_[static_cast<std::size_t>(group)] = button;
    if (Quiet())
        return;
    switch (group) {
    case AdvancedGroup::Mtu: MtuClick(button); break;
    case AdvancedGroup::Rwin: RwinClick(); break;
    case AdvancedGroup::Line: LineConditionClick(); break;
    case AdvancedGroup::Ndi: NdiClick(button); break;
    default: StoreSimple(group, button); break;
    }
}

void AdvancedSettings::Select(AdvancedGroup group, int button)
{
    selected_[static_cast<std::size_t>(group)] = button;
    view_.ShowSelection(group, button);
}

void AdvancedSettings::SelectQuietly(AdvancedGroup group, int button)
{
    QuietSelections quiet;
    Select(group, button);
    view_.ProcessMessages();
}

void AdvancedSettings::MarkChanged()
{
    dispatcher::Program().changesPending = true;
    dispatcher::Program().changesMade = false;
    view_.ShowChangesPending();
}

// An MTU no network has (a typed 0, say) would leave no segment to divide by.
int32_t AdvancedSettings::Mss() const
{
    const int32_t mtu = chosenMtu_ >= SmallestMtu && chosenMtu_ <= LargestMtu ? chosenMtu_ : FallbackMtu;
    return mtu - HeaderBytes;
}

int AdvancedSettings::LoadReceiveWindow(RwinSource source)
{
    Wizard().controlsUpdating = true;
    Select(AdvancedGroup::Rwin, -1);
    view_.ProcessMessages();

    int64_t window = source == RwinSource::Current ? GetCurrentReceiveWindow() : GetRwinPref();
    const bool lineBad = IsSelected(AdvancedGroup::Line, line_button::Bad);
    if (window == -1) {
        Select(AdvancedGroup::Rwin, rwin_button::Default);
        window = DefaultReceiveWindow(Wizard().connectionType, win9x_, lineBad);
    } else if (lineChanged_) {
        if (IsSelected(AdvancedGroup::Line, line_button::Good))
            window /= 2;
        else if (lineBad)
            window *= 2;
    }
    if (chosenMtu_ == 0)
        chosenMtu_ = FallbackMtu;
    const int64_t multiple = window / Mss();
    switch (multiple) {
    case 4: Select(AdvancedGroup::Rwin, rwin_button::Times4); break;
    case 6: Select(AdvancedGroup::Rwin, rwin_button::Times6); break;
    case 8: Select(AdvancedGroup::Rwin, rwin_button::Times8); break;
    case 10: Select(AdvancedGroup::Rwin, rwin_button::Times10); break;
    case -1: break;
    default:
        Select(AdvancedGroup::Rwin, rwin_button::Manual);
        view_.SetSpinValue(AdvancedSpin::RwinMultiplier,
                           static_cast<int>(std::clamp<int64_t>(multiple, INT32_MIN, INT32_MAX)));
        break;
    }
    view_.ProcessMessages();
    view_.ShowReceiveWindow(window);
    Wizard().controlsUpdating = false;
    return Selected(AdvancedGroup::Rwin);
}

void AdvancedSettings::RwinClick()
{
    if (Quiet())
        return;
    view_.ClickSound();
    MarkChanged();
    const int32_t mss = Mss();
    int64_t multiplier = 0;
    switch (Selected(AdvancedGroup::Rwin)) {
    case rwin_button::Default:
    case rwin_button::Times4:
    case rwin_button::Times6:
    case rwin_button::Times8:
    case rwin_button::Times10:
        multiplier = GroupInfo(AdvancedGroup::Rwin).buttons[static_cast<std::size_t>(Selected(AdvancedGroup::Rwin))].value;
        break;
    default: multiplier = view_.SpinValue(AdvancedSpin::RwinMultiplier); break;
    }
    int64_t window = multiplier * mss;
    if (window > RwinCeiling()) {
        multiplier = RwinCeiling() / mss;
        view_.SetSpinValue(AdvancedSpin::RwinMultiplier, static_cast<int>(multiplier));
        {
            QuietSelections quiet;
            for (int button = rwin_button::Times4; button <= rwin_button::Times10; ++button)
                if (GroupInfo(AdvancedGroup::Rwin).buttons[static_cast<std::size_t>(button)].value == multiplier)
                    Select(AdvancedGroup::Rwin, button);
        }
        window = RwinCeiling();
    }
    view_.ShowReceiveWindow(window);
    SetRwinPref(static_cast<int32_t>(window));
}

void AdvancedSettings::MtuClick(int button)
{
    view_.ClickSound();
    MarkChanged();
    if (IsSelected(AdvancedGroup::Mtu, mtu_button::Default)) {
        SetMtuPref(false, 0);
    } else {
        chosenMtu_ = MtuFromText(view_.ManualMtuText());
        if (IsSelected(AdvancedGroup::Mtu, button)) {
            if (button == mtu_button::Manual) {
                const int item = view_.ManualMtuItem();
                chosenMtu_ = MtuFromText(item >= 0 ? std::string(ManualMtuItems[static_cast<std::size_t>(item)])
                                                   : view_.ManualMtuText());
            } else {
                chosenMtu_ = GroupInfo(AdvancedGroup::Mtu).buttons[static_cast<std::size_t>(button)].value;
            }
        }
        SetMtuPref(false, chosenMtu_);
    }
    RwinClick();
}

void AdvancedSettings::LineConditionClick()
{
    view_.ClickSound();
    const bool goodSelected = IsSelected(AdvancedGroup::Line, line_button::Good);
    lineChanged_ = lineGood_ != goodSelected;
    lineGood_ = goodSelected;
    MarkChanged();
    SetLinePref(lineGood_);
    LoadReceiveWindow(RwinSource::Stored);
    RwinClick();
    lineChanged_ = false;
}

void AdvancedSettings::NdiClick(int button)
{
    view_.ClickSound();
    MarkChanged();
    if (button == ndi_button::Default)
        SetNdiPref(true, {});
    else
        SetNdiPref(false, std::to_string(GroupInfo(AdvancedGroup::Ndi).buttons[static_cast<std::size_t>(button)].value));
}

void AdvancedSettings::StoreSimple(AdvancedGroup group, int button)
{
    view_.ClickSound();
    MarkChanged();
    const int32_t value = GroupInfo(group).buttons[static_cast<std::size_t>(button)].value;
    switch (group) {
    case AdvancedGroup::PmtuDiscovery: SetPmtuDiscoverPref(value); break;
    case AdvancedGroup::BlackHole: SetPmtuBlackHoleDetectPref(value); break;
    case AdvancedGroup::Sack: SetSackPref(value); break;
    case AdvancedGroup::Ttl: SetTtlPref(value); break;
    case AdvancedGroup::Ska:
        SetSkaPref(button == ska_button::Manual ? view_.SpinValue(AdvancedSpin::KeepAlive) : value);
        break;
    case AdvancedGroup::DupAcks:
        SetAcksPref(button == dupacks_button::Manual ? view_.SpinValue(AdvancedSpin::DupAcks) : value);
        break;
    default: break;
    }
}

}  // namespace vx::wizard
