// The advanced page as a person uses it on the headless backend: clicks by name,
// typing, the keyboard, hints, and how the page ends.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/vxPreferences.h"
#include "platform/host/HostShell.h"
#include "tests/wizard/AdvancedMachine.h"
#include "ui/Application.h"
#include "ui/ComboBox.h"
#include "ui/GroupBox.h"
#include "ui/HintWindow.h"
#include "ui/Label.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"
#include "widgets/AHMNewHint.h"
#include "wizard/TfrmAdvanced.h"

namespace vx::wizard {
namespace {

using test::AdvancedMachine;
using enum PlatformKind;

class Transcript : public ui::HostListener {
public:
    void ModalEnded(ui::Form&, ui::ModalResult result) override { results.push_back(result); }
    void MessageBoxAnswered(const ui::HostMessageBox& box) override { boxes.push_back(box); }
    std::vector<ui::ModalResult> results;
    std::vector<ui::HostMessageBox> boxes;
};

class AdvancedPageTest : public ::testing::Test {
public:
    ui::HostBackend host;
    ui::Application app{host};
    ui::HostUser user{host};
    Transcript transcript;
    std::unique_ptr<AdvancedMachine> machine;
    std::unique_ptr<TfrmAdvanced> page;

    void SetUp() override { host.AddListener(transcript); }
    void TearDown() override
    {
        page.reset();
        machine.reset();
        host.RemoveListener(transcript);
    }

    AdvancedMachine& Machine(PlatformKind kind, const char* connect = "M")
    {
        // The page and the machine before it go first: a machine's scopes restore
        // what was current when it was made.
        page.reset();
        machine.reset();
        machine = std::make_unique<AdvancedMachine>(kind, connect);
        return *machine;
    }
    TfrmAdvanced& Open()
    {
        page = ui::MakeForm<TfrmAdvanced>(nullptr);
        page->Show();
        app.ProcessMessages();
        return *page;
    }
    // Runs the page modally while the script acts, as the main window does.
    ui::ModalResult RunModal(std::function<void()> script)
    {
        page = ui::MakeForm<TfrmAdvanced>(nullptr);
        host.Then(10, std::move(script));
        return page->ShowModal();
    }
    template <class C>
    C& Get(const char* name)
    {
        auto* control = dynamic_cast<C*>(user.Lookup(name));
        if (!control)
            throw std::logic_error(std::string("no control ") + name);
        return *control;
    }
    bool Checked(const char* name) { return Get<ui::RadioButton>(name).Checked(); }
    std::string Figure() { return Get<ui::Label>("lblRWIN").Caption(); }
    int Multiplier() { return Get<ui::SpinBox>("spinRWINMultiplier").Value(); }
    void TypeInto(const char* name, const char* text)
    {
        user.Focus(user.Find(name));
        user.Type(name, text);
    }
};

TEST_F(AdvancedPageTest, OpensWithItsGroupsAndEntriesAsTheSettingsStand)
{
    Machine(Windows98, "M");
    TfrmAdvanced& form = Open();
    EXPECT_EQ(form.Caption(), "Velocitrex - Advanced Settings");
    EXPECT_EQ(form.ClientWidth(), 635);
    EXPECT_EQ(form.ClientHeight(), 452);
    struct GroupCase {
        const char* name;
        const char* caption;
        int buttons;
    };
    const GroupCase groups[] = {
        {"gboxMTU", "Maximum Transfer Unit (MTU)", 11},   {"GroupBox1", " Condition of the Line ", 2},
        {"gboxRWIN", "TCPWindowSize (RWIN)", 6},          {"gboxNDI", " NDI Cache Size (NWLink)", 3},
        {"gboxSackOpts", "SACK (Selective Acknowledge)", 2}, {"gboxAutoDiscovery", " PMTU Auto Discovery ", 2},
        {"gboxSKA", " Session Keep Alive ", 4},           {"gboxTTL", " Time To Live (TTL) ", 3},
        {"gboxTcpMaxDups", "TcpMaxDupAcks", 2},           {"gboxBlackHole", " Black Hole Detect  ", 2},
    };
    int previousColumnLeft = 0;
    for (const GroupCase& g : groups) {
        SCOPED_TRACE(g.name);
        auto& box = Get<ui::GroupBox>(g.name);
        EXPECT_EQ(box.Caption(), g.caption);
        EXPECT_EQ(box.GetColor(), ui::clWhite);
        EXPECT_GE(box.Left(), previousColumnLeft);  // three columns, left to right
        previousColumnLeft = box.Left();
        int radios = 0;
        for (ui::Control* child : box.Children())
            radios += dynamic_cast<ui::RadioButton*>(child) != nullptr;
        EXPECT_EQ(radios, g.buttons);
        EXPECT_LE(box.Left() + box.Width(), 578);  // inside the window's visible part
        EXPECT_LE(box.Top() + box.Height(), 406);
    }
    // 9x dial-up with neither MTU nor window set: 8192 / 536 = 15.28.
    EXPECT_TRUE(Checked("rbtnMTUDefault"));
    EXPECT_EQ(Get<ui::ComboBox>("comboMTUManual").Text(), "576");
    EXPECT_EQ(Figure(), "8192");
    EXPECT_TRUE(Checked("rbtnRWINManual"));
    EXPECT_FALSE(Checked("rbtnRWINDefault"));
    EXPECT_EQ(Multiplier(), 15);
    EXPECT_EQ(Get<ui::SpinBox>("spinSKA").Value(), 60);
    EXPECT_EQ(Get<ui::SpinBox>("spnTcpDupAcks").Value(), 3);
    EXPECT_FALSE(Get<ui::Control>("JLAqua2").Enabled());
    EXPECT_TRUE(Get<ui::Control>("lblWaitToPress").Visible());
    EXPECT_FALSE(machine->Stored(RwinPref));
    EXPECT_FALSE(machine->Stored(MtuPref));
    EXPECT_FALSE(dispatcher::Program().changesPending);
}

TEST_F(AdvancedPageTest, ReceiveWindowFollowsClicksAndTyping)
{
    struct Case {
        const char* what;
        std::function<void(AdvancedPageTest&)> steps;
        const char* mtu;  // nullptr: not stored
        const char* rwin;
        const char* rwinChecked;
        int multiplier;
    };
    const Case cases[] = {
        {"10 x MSS at 1500", [](AdvancedPageTest& t) { t.user.Click("rbtnRWIN10"); }, nullptr, "14600", "rbtnRWIN10",
         5},
        {"then Hyperchannel",
         [](AdvancedPageTest& t) {
             t.user.Click("rbtnRWIN10");
             t.user.Click("rbtnMTU65535");
         },
         "65535", "65535", "rbtnRWIN10", 1},
        {"manual 113",
         [](AdvancedPageTest& t) {
             t.user.Click("rbtnRWIN4");
             t.TypeInto("spinRWINMultiplier", "113");
             t.user.Click("rbtnRWINManual");
         },
         nullptr, "65535", "rbtnRWINManual", 44},
        {"typed abc in the MTU list",
         [](AdvancedPageTest& t) {
             t.TypeInto("comboMTUManual", "abc");
             t.user.Click("rbtnMTUManual");
         },
         "576", "2680", "rbtnRWINManual", 5},
        {"typed 1454, then a list item",
         [](AdvancedPageTest& t) {
             t.TypeInto("comboMTUManual", "1454");
             t.user.Choose(t.Get<ui::ComboBox>("comboMTUManual"), 1);
             t.user.Click("rbtnMTUManual");
         },
         "1500", "7300", "rbtnRWINManual", 5},
        {"MTU default keeps the previous segment",
         [](AdvancedPageTest& t) {
             t.user.Click("rbtnRWIN6");
             t.user.Click("rbtnMTUDefault");
         },
         "0", "8760", "rbtnRWIN6", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Machine(Windows98, "M").SetMtu9x("1500");
        Open();
        c.steps(*this);
        EXPECT_EQ(machine->Stored(MtuPref), c.mtu ? std::optional<std::string>(c.mtu) : std::nullopt);
        EXPECT_EQ(machine->Stored(RwinPref), c.rwin);
        EXPECT_EQ(Figure(), c.rwin);
        EXPECT_TRUE(Checked(c.rwinChecked));
        EXPECT_EQ(Multiplier(), c.multiplier);
        page.reset();
    }
}

TEST_F(AdvancedPageTest, ReceiveWindowDefaultAtMtu576StoresFourSegments)
{
    Machine(Windows98, "M");
    Open();
    user.Click("rbtnRWINDefault");
    EXPECT_EQ(machine->Stored(RwinPref), "2144");
    EXPECT_EQ(Figure(), "2144");
}

TEST_F(AdvancedPageTest, LineConditionRoundTrip)
{
    AdvancedMachine& m = Machine(Windows98, "N");
    m.SetMtu9x("1500");
    SetLinePref(true);
    SetRwinPref(8760);
    Open();
    ASSERT_TRUE(Checked("rbtnLineGood"));
    user.Click("rbtnLineBad");
    EXPECT_EQ(Figure(), "17520");
    EXPECT_TRUE(Checked("rbtnRWINManual"));
    EXPECT_EQ(Multiplier(), 12);
    EXPECT_FALSE(GetLinePref());
    EXPECT_EQ(m.Stored(RwinPref), "17520");
    user.Click("rbtnLineGood");
    EXPECT_EQ(Figure(), "8760");
    EXPECT_TRUE(Checked("rbtnRWIN6"));
    EXPECT_TRUE(GetLinePref());
    EXPECT_EQ(m.Stored(RwinPref), "8760");
}

TEST_F(AdvancedPageTest, KeepAliveSpinIsStoredOnlyWhenManualIsSelected)
{
    Machine(Windows98, "M").SetTcp("SessionKeepAlive", "", 20);
    Open();
    ASSERT_TRUE(Checked("rbtnSKAManual"));
    TypeInto("spinSKA", "35");
    user.Focus(user.Find("rbtnSKAManual"));
    EXPECT_FALSE(machine->Stored(SkaPref));
    user.Click("rbtnSKA60");
    EXPECT_EQ(machine->Stored(SkaPref), "60");
    user.Click("rbtnSKAManual");
    EXPECT_EQ(machine->Stored(SkaPref), "35");
    // A typed figure outside 5 to 60 is brought in when the box is left.
    TypeInto("spinSKA", "400");
    user.Focus(user.Find("rbtnSKAManual"));
    EXPECT_EQ(Get<ui::SpinBox>("spinSKA").Text(), "60");
}

TEST_F(AdvancedPageTest, NdiGroupTakesInputOnlyWithTheNwLinkKey)
{
    for (bool withKey : {false, true}) {
        SCOPED_TRACE(withKey);
        AdvancedMachine& m = Machine(Windows98, "M");
        if (withKey)
            m.MakeNwLinkKey();
        Open();
        auto& group = Get<ui::GroupBox>("gboxNDI");
        EXPECT_EQ(group.Enabled(), withKey);
        EXPECT_EQ(group.GetFont().color, withKey ? ui::Rgb(192, 192, 192) : ui::Rgb(128, 128, 128));
        EXPECT_EQ(user.CanReach(Get<ui::Control>("rbtnNDI16")), withKey);
        user.Click(Get<ui::Control>("rbtnNDI16"));
        EXPECT_EQ(m.Stored(NdiPref), withKey ? std::optional<std::string>("16") : std::nullopt);
        page.reset();
    }
}

TEST_F(AdvancedPageTest, EndsWithApplyOnlyAfterAChange)
{
    struct Case {
        const char* what;
        std::function<void(AdvancedPageTest&)> script;
        ui::ModalResult result;
        bool pendingAfter;
    };
    const Case cases[] = {
        {"change, then Velocitrex Me!",
         [](AdvancedPageTest& t) {
             t.user.Click("rbtnTTL64");
             EXPECT_FALSE(t.Get<ui::Control>("lblWaitToPress").Visible());
             EXPECT_TRUE(t.Get<ui::Control>("btnVelocitrexMe").Enabled());
             t.user.Click("JLAqua2");
         },
         ui::ModalResult::Yes, true},
        {"change, then Cancel",
         [](AdvancedPageTest& t) {
             t.user.Click("rbtnTTL64");
             t.user.Click("btnNext");
         },
         ui::ModalResult::No, false},
        {"closed by the window system", [](AdvancedPageTest& t) { t.user.CloseActiveWindow(); },
         ui::ModalResult::No, false},
        {"the apply button is disabled before a change",
         [](AdvancedPageTest& t) {
             t.user.Click("JLAqua2");
             t.user.Click("btnNext");
         },
         ui::ModalResult::No, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Machine(Windows98, "M");
        transcript.results.clear();
        const ui::ModalResult result = RunModal([&] { c.script(*this); });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(dispatcher::Program().changesPending, c.pendingAfter);
        if (c.result == ui::ModalResult::Yes) {
            EXPECT_FALSE(Get<ui::Control>("JLAqua2").Enabled());
            EXPECT_FALSE(Get<ui::Control>("btnVelocitrexMe").Enabled());
        }
        // Cancel keeps what the page stored.
        if (std::string(c.what).find("change") == 0) {
            EXPECT_EQ(machine->Stored(TtlPref), "64");
        }
        page.reset();
    }
}

TEST_F(AdvancedPageTest, QuitAsksWhenNothingWasAppliedAndHelpOpensThePage)
{
    platform::HostShell shell;
    platform::ScopedService<platform::Shell> shellScope(shell);
    Machine(Windows98, "M");
    SetRegistryValue(RegRoot::LocalMachine, ProductKey, true, RegistryValue::String("C:\\Program Files\\Velocitrex"),
                     InstallDirPref, RegValueKind::String);
    dispatcher::Program().changesMade = false;
    const ui::ModalResult result = RunModal([&] {
        user.Click("JLAqua1");
        host.AnswerMessageBox(platform::MsgAnswer::No);
        user.Click("btnExxit");
        EXPECT_TRUE(page->Visible());  // "No" leaves the page open
        host.AnswerMessageBox(platform::MsgAnswer::Yes);
        user.Click("btnExxit");
    });
    EXPECT_NE(result, ui::ModalResult::Yes);
    ASSERT_EQ(transcript.boxes.size(), 2u);
    EXPECT_EQ(transcript.boxes[0].request.text,
              "You have not made any acceleration changes. Are you sure you want to quit ?");
    EXPECT_EQ(transcript.boxes[0].request.caption, "Information");
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].target, "vlxhelp.htm");
    EXPECT_EQ(shell.Requests()[0].directory, "C:\\Program Files\\Velocitrex");
    EXPECT_TRUE(app.Terminated());
}

TEST_F(AdvancedPageTest, TabGoesThroughTheGroupsInColumnOrderAndArrowsStore)
{
    Machine(Windows98, "M").MakeNwLinkKey();
    TfrmAdvanced& form = Open();
    const std::vector<std::string> expected = {
        "gboxMTU",      "comboMTUManual",    "GroupBox1",      "gboxRWIN",      "spinRWINMultiplier",
        "gboxNDI",      "gboxSackOpts",      "gboxAutoDiscovery", "gboxSKA",    "spinSKA",
        "gboxTTL",      "gboxTcpMaxDups",    "spnTcpDupAcks",  "gboxBlackHole", "btnNext",
        "JLAqua1",      "btnExxit"};
    std::vector<std::string> reached;
    ui::Control* first = form.ActiveControl();
    ASSERT_NE(first, nullptr);
    for (ui::Control* at = first; reached.size() < expected.size() + 1;) {
        const bool radio = dynamic_cast<ui::RadioButton*>(at) != nullptr;
        reached.push_back(radio ? at->Parent()->Name() : at->Name());
        user.PressKey(ui::Key::Tab);
        at = form.ActiveControl();
        if (at == first)
            break;
    }
    EXPECT_EQ(reached, expected);

    // Down in the TTL group selects the next button, which stores its figure.
    while (form.ActiveControl()->Parent()->Name() != "gboxTTL")
        user.PressKey(ui::Key::Tab);
    ASSERT_TRUE(Checked("rbtnTTLDefault"));
    user.PressKey(ui::Key::Down);
    EXPECT_TRUE(Checked("rbtnTTL64"));
    EXPECT_EQ(machine->Stored(TtlPref), "64");
}

TEST_F(AdvancedPageTest, HintsShowInTheBubbleOnHover)
{
    Machine(Windows98, "M");
    Open();
    struct Case {
        const char* control;
        const char* hint;
    };
    const Case cases[] = {
        {"rbtnMTU1500", "Local Area Network standard setting."},
        {"rbtnMTUManual", "Experiment to see how this works for you."},
        {"rbtnRWIN10", "Caution: Bigger is not always better."},
        {"lblRWIN", "The maximum is determined by the Operating System."},
        {"rbtnBlackHoleNo", "Many vendors sell routers that discard IP datagrams.  Use only if required."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        user.MoveTo(Get<ui::Control>(c.control), ui::Point{4, 4});
        host.Advance(app.HintPause());
        ui::HintWindow* hint = app.GetHintWindow();
        ASSERT_NE(hint, nullptr);
        EXPECT_NE(dynamic_cast<widgets::TAHMNewHint*>(hint), nullptr);
        EXPECT_TRUE(hint->Visible());
        EXPECT_EQ(hint->HintText(), c.hint);
        user.MoveTo(ui::Point{0, 0});
        host.Advance(5000);
    }
}

}  // namespace
}  // namespace vx::wizard
