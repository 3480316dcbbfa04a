// The advanced page's rules on a plain page: what the opening selects, and what
// each selection stores, the receive window above all.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/vxPreferences.h"
#include "tests/wizard/AdvancedMachine.h"
#include "tests/wizard/FakeAdvancedView.h"
#include "wizard/AdvancedSettings.h"

namespace vx::wizard {
namespace {

using test::AdvancedMachine;
using test::FakeAdvancedView;
using G = AdvancedGroup;
using S = AdvancedSpin;
using enum PlatformKind;

struct Page {
    FakeAdvancedView view;
    AdvancedSettings settings;
    explicit Page(bool win9x) : settings(view, win9x)
    {
        view.Attach(settings);
        settings.Open();
    }
};

// Groups in the order of AdvancedGroup: Mtu, Line, Rwin, Ndi, Sack, PmtuDiscovery,
// Ska, Ttl, DupAcks, BlackHole.
using Checks = std::array<int, AdvancedGroupCount>;

struct OpeningCase {
    const char* what;
    PlatformKind kind;
    const char* connect;
    std::function<void(AdvancedMachine&)> setup;
    Checks checked;
    int32_t chosenMtu;
    const char* mtuText;
    int64_t figure;
    std::array<int, 3> spins;  // multiplier, keep-alive, duplicate ACKs
};

TEST(AdvancedOpening, SelectsWhatTheSettingsHoldAndStoresNothing)
{
    const OpeningCase cases[] = {
        {"9x dial-up, nothing set", Windows98, "M", [](AdvancedMachine&) {},
         {mtu_button::Default, line_button::Bad, rwin_button::Manual, 0, NoButton, NoButton, 0, 0, 0, NoButton},
         576, "576", 8192, {15, 60, 3}},
        {"9x LAN figures", Windows98, "N",
         [](AdvancedMachine& m) {
             m.SetMtu9x("1500");
             m.SetReceiveWindow(8760);
             m.SetTcp("SackOpts", "SackOpts", 1);
             m.SetTcp("PMTUDiscovery", "", 1);
             m.SetTcp("PMTUBlackHoleDetect", "", 1);
             m.SetTcp("DefaultTTL", "", 64);
             m.SetTcp("TcpMaxDupAcks", "", 3);
             m.SetTcp("SessionKeepAlive", "", 10);
             SetLinePref(true);
         },
         {5, line_button::Good, rwin_button::Times6, 0, YesButton, YesButton, 1, 1, dupacks_button::Manual, YesButton},
         1500, "1500", 8760, {60, 60, 3}},
        {"9x odd figures go to the manual entries", Windows95, "C",
         [](AdvancedMachine& m) {
             m.SetMtu9x("1464");
             m.SetReceiveWindow(40000);
             m.SetTcp("SessionKeepAlive", "", 25);
             m.SetTcp("TcpMaxDupAcks", "", 7);
             m.SetTcp("DefaultTTL", "", 100);
         },
         {mtu_button::Manual, line_button::Bad, rwin_button::Manual, 0, NoButton, NoButton, ska_button::Manual, 0,
          dupacks_button::Manual, NoButton},
         1464, "1464", 40000, {28, 25, 3}},
        {"9x MTU not set by the product", Windows98, "M",
         [](AdvancedMachine& m) {
             m.SetMtu9x("6666");
             m.SetReceiveWindow(2144);
             m.SetTcp("SessionKeepAlive", "", 60);
         },
         {mtu_button::Default, line_button::Bad, rwin_button::Times4, 0, NoButton, NoButton, 2, 0, 0, NoButton},
         576, "576", 2144, {60, 60, 3}},
        {"NT cable, nothing set", WindowsXP, "C", [](AdvancedMachine&) {},
         {mtu_button::Default, line_button::Bad, rwin_button::Manual, 0, NoButton, NoButton, 0, 2, 0, NoButton},
         576, "576", 524287, {113, 60, 3}},
        {"NT network card, TTL 128", Windows2000, "N",
         [](AdvancedMachine& m) {
             m.SetTcp("", "DefaultTTL", 128);
             m.SetTcp("", "TCPWindowSize", 5360);
         },
         {mtu_button::Default, line_button::Bad, rwin_button::Times10, 0, NoButton, NoButton, 0, 2, 0, NoButton},
         576, "576", 5360, {60, 60, 3}},
    };
    for (const OpeningCase& c : cases) {
        SCOPED_TRACE(c.what);
        AdvancedMachine machine(c.kind, c.connect);
        c.setup(machine);
        Page page(IsWin9xFamily());
        EXPECT_EQ(page.view.checked, c.checked);
        for (int g = 0; g < AdvancedGroupCount; ++g)
            EXPECT_EQ(page.settings.Selected(static_cast<G>(g)), c.checked[static_cast<std::size_t>(g)]) << g;
        EXPECT_EQ(page.settings.ChosenMtu(), c.chosenMtu);
        EXPECT_EQ(page.view.mtuText, c.mtuText);
        EXPECT_EQ(page.view.figure, c.figure);
        EXPECT_EQ(page.view.spins, c.spins);
        for (std::string_view name : {MtuPref, RwinPref, NdiPref, SkaPref, TtlPref, AcksPref, SackPref,
                                      PmtuDiscoverPref, PmtuBlackHoleDetectPref})
            EXPECT_FALSE(machine.Stored(name)) << name;
        EXPECT_EQ(page.view.sounds, 0);
        EXPECT_FALSE(page.view.changesShown);
        EXPECT_FALSE(dispatcher::Program().changesPending);
        EXPECT_TRUE(dispatcher::Program().changesMade);
    }
}

TEST(AdvancedOpening, DefaultWindowFollowsConnectionLayoutAndLine)
{
    struct Case {
        const char* code;
        bool win9x;
        int64_t good, bad;
    };
    const Case cases[] = {
        {"M", true, 8192, 16384},    {"N", true, 8760, 17520},      {"C", true, 149600, 299200},
        {"D2", true, 32767, 65534},  {"", true, 32767, 65534},      {"M", false, 524287, 1048575},
        {"N", false, 8760, 1048575}, {"C", false, 524287, 1048575}, {"D1", false, 524287, 1048575},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(DefaultReceiveWindow(c.code, c.win9x, false), c.good);
        EXPECT_EQ(DefaultReceiveWindow(c.code, c.win9x, true), c.bad);
    }
}

// A person's step on the page.
struct Step {
    enum Kind { Click, TypeMtu, ChooseMtu, SetSpin } kind;
    G group = G::Mtu;
    int button = 0;
    std::string text = {};
};
Step Click(G group, int button) { return {Step::Click, group, button}; }
Step TypeMtu(std::string text) { return {Step::TypeMtu, G::Mtu, 0, std::move(text)}; }
Step ChooseMtu(int item) { return {Step::ChooseMtu, G::Mtu, item}; }
Step SetMultiplier(int value) { return {Step::SetSpin, G::Rwin, value}; }

void Perform(Page& page, const std::vector<Step>& steps)
{
    for (const Step& s : steps) {
        switch (s.kind) {
        case Step::Click: page.view.Click(s.group, s.button); break;
        case Step::TypeMtu: page.view.TypeMtu(s.text); break;
        case Step::ChooseMtu: page.view.ChooseMtuItem(s.button); break;
        case Step::SetSpin: page.view.SetSpinValue(S::RwinMultiplier, s.button); break;
        }
    }
}

constexpr int Mtu576 = 1;
constexpr int Mtu1500 = 5;
constexpr int Mtu65535 = 9;

struct WindowCase {
    const char* what;
    PlatformKind kind;
    const char* currentMtu;  // 9x binding; nullptr: none
    int32_t currentRwin;     // -1: none
    std::vector<Step> steps;
    std::optional<std::string> mtu;  // stored "mtu"
    std::string rwin;                // stored "rwin"
    int rwinChecked;
    int multiplier;
};

TEST(AdvancedReceiveWindow, StoresMultiplesOfTheSegmentUnderTheCeiling)
{
    using namespace rwin_button;
    const WindowCase cases[] = {
        {"10 x MSS at 1500", Windows98, "1500", -1, {Click(G::Rwin, Times10)}, std::nullopt, "14600", Times10, 5},
        {"then 65535 Hyperchannel", Windows98, "1500", -1, {Click(G::Rwin, Times10), Click(G::Mtu, Mtu65535)},
         "65535", "65535", Times10, 1},
        {"manual 113 at 1500 on 9x", Windows98, "1500", -1, {SetMultiplier(113), Click(G::Rwin, Times4),
         Click(G::Rwin, Manual)}, std::nullopt, "65535", Manual, 44},
        {"manual 113 at 1500 on NT", WindowsXP, nullptr, -1,
         {Click(G::Mtu, Mtu1500), Click(G::Rwin, Times4), SetMultiplier(113), Click(G::Rwin, Manual)}, "1500",
         "164980", Manual, 113},
        {"ceiling reached at 10 x MSS on 9x", Windows98, "8166", 8126 * 4, {Click(G::Rwin, Times10)},
         std::nullopt, "65535", Times8, 8},
        {"default of the group at 576", Windows98, "576", -1, {Click(G::Rwin, Default)}, std::nullopt, "2144",
         Default, 15},
        {"MTU default keeps the previous segment", Windows98, "1500", 8760, {Click(G::Mtu, mtu_button::Default)},
         "0", "8760", Times6, 60},
        {"typed text that is no number counts as 576", Windows98, "1500", 8760,
         {TypeMtu("abc"), Click(G::Mtu, mtu_button::Manual)}, "576", "3216", Times6, 60},
        {"a typed MTU no network has counts as 576", Windows98, "1500", 8760,
         {TypeMtu("40"), Click(G::Mtu, mtu_button::Manual)}, "576", "3216", Times6, 60},
        {"typed 1454", Windows98, "1500", 8760, {TypeMtu("1454"), Click(G::Mtu, mtu_button::Manual)}, "1454",
         "8484", Times6, 60},
        {"a chosen list item", Windows98, "1500", 8760, {ChooseMtu(4), Click(G::Mtu, mtu_button::Manual)}, "17914",
         "65535", Times6, 3},
        {"a preset takes its own figure over the typed one", Windows98, "1500", 8760,
         {TypeMtu("4464"), Click(G::Mtu, Mtu576)}, "576", "3216", Times6, 60},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.what);
        AdvancedMachine machine(c.kind, "M");
        if (c.currentMtu)
            machine.SetMtu9x(c.currentMtu);
        if (c.currentRwin != -1)
            machine.SetReceiveWindow(c.currentRwin);
        Page page(IsWin9xFamily());
        Perform(page, c.steps);
        EXPECT_EQ(machine.Stored(MtuPref), c.mtu);
        EXPECT_EQ(machine.Stored(RwinPref), c.rwin);
        EXPECT_EQ(page.view.figure, std::stoll(c.rwin));
        EXPECT_EQ(page.view.Checked(G::Rwin), c.rwinChecked);
        EXPECT_EQ(page.view.spins[0], c.multiplier);
    }
}

TEST(AdvancedReceiveWindow, LineConditionDoublesAndHalvesTheStoredWindow)
{
    AdvancedMachine machine(Windows98, "N");
    machine.SetMtu9x("1500");
    machine.SetReceiveWindow(8760);
    SetLinePref(true);
    SetRwinPref(8760);
    Page page(true);
    ASSERT_EQ(page.view.Checked(G::Line), line_button::Good);

    struct Case {
        int line;
        bool storedGood;
        std::string rwin;
        int rwinChecked;
        int multiplier;
    };
    const Case cases[] = {
        {line_button::Bad, false, "17520", rwin_button::Manual, 12},
        {line_button::Good, true, "8760", rwin_button::Times6, 12},
        {line_button::Bad, false, "17520", rwin_button::Manual, 12},
    };
    for (const Case& c : cases) {
        page.view.Click(G::Line, c.line);
        EXPECT_EQ(GetLinePref(), c.storedGood);
        EXPECT_EQ(machine.Stored(RwinPref), c.rwin);
        EXPECT_EQ(page.view.figure, std::stoll(c.rwin));
        EXPECT_EQ(page.view.Checked(G::Rwin), c.rwinChecked);
        EXPECT_EQ(page.view.spins[0], c.multiplier);
    }
}

TEST(AdvancedStores, EachButtonStoresItsFigure)
{
    struct Case {
        G group;
        int button;
        std::string_view pref;
        const char* stored;
    };
    const Case cases[] = {
        {G::PmtuDiscovery, YesButton, PmtuDiscoverPref, "1"},
        {G::BlackHole, YesButton, PmtuBlackHoleDetectPref, "1"},
        {G::Sack, YesButton, SackPref, "1"},
        {G::Ttl, 1, TtlPref, "64"},
        {G::Ttl, 2, TtlPref, "128"},
        {G::Ska, 1, SkaPref, "10"},
        {G::Ska, 2, SkaPref, "60"},
        {G::Ska, ska_button::Manual, SkaPref, "45"},
        {G::DupAcks, dupacks_button::Manual, AcksPref, "3"},
        {G::Ndi, ndi_button::Size16, NdiPref, "16"},
        {G::Ndi, ndi_button::Size32, NdiPref, "32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pref);
        AdvancedMachine machine(Windows98, "M");
        Page page(true);
        page.view.SetSpinValue(S::KeepAlive, 45);
        page.view.Click(c.group, c.button);
        EXPECT_EQ(machine.Stored(c.pref), c.stored);
        EXPECT_EQ(page.view.sounds, 1);
    }
    // The defaults stand selected at opening: going away and back stores them.
    const Case defaults[] = {
        {G::PmtuDiscovery, NoButton, PmtuDiscoverPref, "0"},
        {G::Ttl, 0, TtlPref, "32"},
        {G::Ska, ska_button::Default, SkaPref, "3600000"},
        {G::DupAcks, dupacks_button::Default, AcksPref, "2"},
        {G::Ndi, ndi_button::Default, NdiPref, "6666"},
    };
    for (const Case& c : defaults) {
        SCOPED_TRACE(c.pref);
        AdvancedMachine machine(Windows98, "M");
        Page page(true);
        page.view.Click(c.group, c.button == 0 ? 1 : 0);
        page.view.Click(c.group, c.button);
        EXPECT_EQ(machine.Stored(c.pref), c.stored);
    }
}

TEST(AdvancedStores, KeepAliveSpinCountsOnlyWhenManualBecomesSelected)
{
    AdvancedMachine machine(Windows98, "M");
    machine.SetTcp("SessionKeepAlive", "", 20);
    Page page(true);
    ASSERT_EQ(page.view.Checked(G::Ska), ska_button::Manual);
    page.view.SetSpinValue(S::KeepAlive, 35);
    page.view.Click(G::Ska, ska_button::Manual);  // selected already: nothing runs
    EXPECT_FALSE(machine.Stored(SkaPref));
    page.view.Click(G::Ska, 1);
    EXPECT_EQ(machine.Stored(SkaPref), "10");
    page.view.Click(G::Ska, ska_button::Manual);
    EXPECT_EQ(machine.Stored(SkaPref), "35");
}

TEST(AdvancedStores, FirstChangeMarksChangesPendingAndAnMtuClickSoundsTwice)
{
    AdvancedMachine machine(Windows98, "M");
    Page page(true);
    page.view.Click(G::Mtu, Mtu1500);
    EXPECT_TRUE(page.view.changesShown);
    EXPECT_TRUE(dispatcher::Program().changesPending);
    EXPECT_FALSE(dispatcher::Program().changesMade);
    EXPECT_EQ(page.view.sounds, 2);  // the MTU's, then the receive window's
    EXPECT_EQ(page.settings.ChosenMtu(), 1500);
}

}  // namespace
}  // namespace vx::wizard
