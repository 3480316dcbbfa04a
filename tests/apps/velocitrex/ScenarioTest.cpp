// The main program run whole on the headless backend, from scripts as a person
// would run it: the paths through the wizard, the apply screen and the tray,
// their timings on the virtual clock, and what ends up in the registry.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "apps/velocitrex/sim/VelocitrexSim.h"
#include "platform/FileSystem.h"

namespace vx::app {
namespace {

using ui::script::SimOk;

// Up to the method panel, the automatic page, and the apply screen's prompt.
const std::string ToMethod = "wait 100\nclick NvOS8PushButton5\nclick JLAqua5\n";
const std::string ToApplyScreen = ToMethod + "click btnNext\nwait 13000\nclick JLAqua2\n";
const std::string ToPrompt = ToApplyScreen + "wait 4000\n";
const std::string ToTrayLater = ToPrompt + "click btnRebootLater\nwait 500\n";

struct SimRun {
    int status = -1;
    std::string transcript;
    std::string err;
    std::string registry;

    bool Has(const std::string& text) const { return transcript.find(text) != std::string::npos; }
    // The virtual time of the first transcript line holding text; -1 when none does.
    long TimeOf(const std::string& text) const
    {
        std::size_t at = transcript.find(text);
        if (at == std::string::npos)
            return -1;
        std::size_t lineStart = transcript.rfind('\n', at);
        lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
        return std::stol(transcript.substr(lineStart));
    }
};

class Scenario : public ::testing::Test {
protected:
    SimRun Simulate(const std::string& script, std::vector<std::string> extra = {},
                    const std::string& fixture = "winxp.reg")
    {
        const std::string registry = ::testing::TempDir() + "vx-scenario.reg";
        const std::string source = std::string(VX_SOURCE_DIR) + "/tests/engine/fixtures/" + fixture;
        original = platform::Files().ReadAll(source).value_or("");
        platform::Files().WriteAll(registry, original);
        std::vector<std::string> args = {"--registry", registry, "--os", fixture == "win98.reg" ? "98" : "xp"};
        args.insert(args.end(), extra.begin(), extra.end());
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        VelocitrexSim program;
        SimRun run;
        run.status = ui::script::RunSimulator(args, program, out, err,
                                              [&] { return std::optional<std::string>(script); });
        run.transcript = Contents(out);
        run.err = Contents(err);
        run.registry = platform::Files().ReadAll(registry).value_or("");
        return run;
    }
    static std::string Contents(std::FILE* file)
    {
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }

    std::string original;
};

#define EXPECT_RAN(run) EXPECT_EQ((run).status, SimOk) << (run).err << "\n" << (run).transcript

TEST_F(Scenario, AutomaticSequenceTakesTwelveAndAHalfSeconds)
{
    // The page shows at 100; "Velocitrex Me!" is enabled 12.5 s +- 0.1 s later.
    SimRun run = Simulate(ToMethod + "click btnNext\nexpect visible lblWaitToPress\nexpect hidden cbxMaxMTU\n"
                                     "wait 12400\nexpect disabled JLAqua2\nexpect hidden lblReadyToGo\n"
                                     "wait 200\nexpect enabled JLAqua2\nexpect visible lblReadyToGo\n"
                                     "expect hidden lblWaitToPress\nexpect checked cbxKeepalive\n");
    EXPECT_RAN(run);
    EXPECT_EQ(run.TimeOf("show frmAutomatic"), 100);
}

TEST_F(Scenario, ApplyScreenAnimatesFortyFiveTicksThenPromptsAfterThePause)
{
    // Shown at 13100: 45 ticks of 45 ms end at 15125, the prompt comes at 16625.
    SimRun run = Simulate(ToApplyScreen + "wait 2020\nexpect text lblActionItem2 Improving access to distant pages\n"
                                          "wait 10\nexpect text lblActionItem2 Your Internet connection is now accelerated !\n"
                                          "expect hidden btnRebootNow\nwait 1490\nexpect hidden btnRebootLater\n"
                                          "wait 10\nexpect visible btnRebootNow\nexpect visible btnRebootLater\n"
                                          "expect visible lblReboot1\nexpect hidden lblActionItem2\n"
                                          "expect flag changesMade on\n");
    EXPECT_RAN(run);
    EXPECT_EQ(run.TimeOf("show frmMakeRegistryChanges"), 13100);
}

TEST_F(Scenario, EndingsOfTheApplyScreen)
{
    struct Case {
        const char* name;
        std::string script;
        std::vector<const char*> present;
        std::vector<const char*> absent;
    };
    const Case cases[] = {
        {"reboot now restarts and ends",
         ToPrompt + "click btnRebootNow\n",
         {"modal-end frmMakeRegistryChanges yes", "restart 2", "exit"},
         {"tray add"}},
        {"reboot later goes to the tray with the reboot item",
         ToTrayLater + "expect flag rebootDeferred on\nexpect flag changesPending off\n"
                       "menu RebootMySystemToLockInTheChanges1\nrclick-tray\nwait 100\n"
                       "menu mnuClose\nrclick-tray\n",
         {"modal-end frmMakeRegistryChanges no", "tray add", "hide frmVelocitrex",
          "menu popIcon -> RebootMySystemToLockInTheChanges1", "restart 2", "tray delete", "exit"},
         {}},
    };
    for (const Case& c : cases) {
        SimRun run = Simulate(c.script);
        EXPECT_RAN(run) << c.name;
        for (const char* text : c.present)
            EXPECT_TRUE(run.Has(text)) << c.name << ": " << text << "\n" << run.transcript;
        for (const char* text : c.absent)
            EXPECT_FALSE(run.Has(text)) << c.name << ": " << text << "\n" << run.transcript;
    }
}

TEST_F(Scenario, AutomaticCablePathWritesTheCableProfile)
{
    SimRun run = Simulate("wait 100\nclick NvOS8PushButton5\nclick rbtnCable\nexpect flag changesPending on\n"
                          "click JLAqua5\nclick btnNext\nwait 13000\nclick JLAqua2\nwait 4000\n"
                          "click btnRebootLater\nwait 500\n");
    EXPECT_RAN(run);
    for (const char* value : {"\"DefaultTTL\"=dword:00000040", "\"TCPWindowSize\"=dword:00024860",
                              "\"TcpMaxDupAcks\"=dword:00000002", "\"connect\"=\"C\""})
        EXPECT_NE(run.registry.find(value), std::string::npos) << value;
}

TEST_F(Scenario, StartUpRunsAndSecondCopies)
{
    struct Case {
        const char* name;
        std::vector<std::string> args;
        std::vector<const char*> present;
        std::vector<const char*> absent;
    };
    const Case cases[] = {
        {"/S shows the animation only and goes to the tray",
         {"--args", "/S"},
         {"show frmMakeRegistryChanges", "modal-end frmMakeRegistryChanges yes", "tray add"},
         {"show frm2002Main", "show btnRebootNow"}},
        {"lower-case /s is interactive", {"--args", "/s"}, {"show frm2002Main"}, {"show frmMakeRegistryChanges"}},
        {"/S as the second argument is interactive",
         {"--args", "x /S"},
         {"show frm2002Main"},
         {"show frmMakeRegistryChanges"}},
        {"a second copy ends without a window",
         {"--running-copy"},
         {"exit"},
         {"show frm2002Main", "tray add"}},
        {"a second copy started with /S ends silently too",
         {"--running-copy", "--args", "/S"},
         {"exit"},
         {"show frmMakeRegistryChanges", "tray add"}},
    };
    for (const Case& c : cases) {
        SimRun run = Simulate("", c.args);
        EXPECT_RAN(run) << c.name;
        for (const char* text : c.present)
            EXPECT_TRUE(run.Has(text)) << c.name << ": " << text << "\n" << run.transcript;
        for (const char* text : c.absent)
            EXPECT_FALSE(run.Has(text)) << c.name << ": " << text << "\n" << run.transcript;
    }
}

TEST_F(Scenario, StartUpRunWritesNothingAndClosesAfterThreeAndAHalfSeconds)
{
    SimRun run = Simulate("expect flag changesMade off\nwait 3600\nexpect flag changesMade on\n", {"--args", "/S"});
    EXPECT_RAN(run);
    const long shown = run.TimeOf("show frmMakeRegistryChanges");
    const long closed = run.TimeOf("modal-end frmMakeRegistryChanges yes");
    EXPECT_NEAR(closed - shown, 3525, 10);
    // The same file as a run that does nothing at all saves.
    SimRun untouched = Simulate("", {"--running-copy"});
    EXPECT_EQ(run.registry, untouched.registry);
}

TEST_F(Scenario, WizardPathsBackToTheStartPanel)
{
    struct Case {
        const char* name;
        std::string script;
    };
    const Case cases[] = {
        {"cancel during the wait stores nothing",
         ToMethod + "click btnNext\nwait 200\nclick btnNext\nwait 700\nexpect visible Panel3\nexpect hidden Panel1\n"
                    "expect flag changesPending off\n"},
        {"cancel during step three lets it finish, then nothing more",
         ToMethod + "click btnNext\nwait 5000\nexpect visible cbxNDICache\nclick btnNext\nwait 300\n"
                    "expect visible cbxNDICache\nexpect hidden cbxPMTU\nwait 2500\nexpect visible Panel3\n"},
        {"back on the method panel returns to the connection panel",
         ToMethod + "click JLAqua1\nexpect visible Panel2\nexpect hidden Panel1\n"},
        {"next works without a click on a type",
         "wait 100\nclick NvOS8PushButton5\nexpect checked rbtnDialup\nclick JLAqua5\nexpect visible Panel1\n"},
        {"quit answered No keeps the sequence going",
         ToMethod + "click btnNext\nwait 3000\nanswer no\nclick btnExxit\nwait 10600\nexpect enabled JLAqua2\n"},
        {"quit answered No on the main window leaves it open",
         "wait 100\nanswer no\nclick NvOS8PushButton3\nexpect visible Panel3\n"},
    };
    for (const Case& c : cases) {
        SimRun run = Simulate(c.script);
        EXPECT_RAN(run) << c.name;
    }
}

TEST_F(Scenario, CancelledSequenceStoresNoProfile)
{
    SimRun run = Simulate(ToMethod + "click btnNext\nwait 5000\nclick btnNext\nwait 3000\nanswer yes\nclick btnExxit\n");
    EXPECT_RAN(run);
    EXPECT_EQ(run.registry.find("\"mtu\""), std::string::npos);
    EXPECT_TRUE(run.Has("modal-end frmAutomatic no"));
}

TEST_F(Scenario, QuitWithoutChangesAsksAndEndsWithoutRestart)
{
    SimRun run = Simulate("wait 100\nclick NvOS8PushButton5\nclick rbtnCable\nanswer yes\nclick btnExxit\n");
    EXPECT_RAN(run);
    EXPECT_TRUE(run.Has("messagebox \"Information\" \"You have not made any acceleration changes. Are you sure you "
                        "want to quit ?\" -> yes"));
    EXPECT_FALSE(run.Has("restart"));
    EXPECT_TRUE(run.Has("exit"));
}

// Closing the main window (Alt+F4) with a new type chosen asks before restarting.
TEST_F(Scenario, ClosedMainWindowAsksBeforeRestarting)
{
    const std::string question =
        "messagebox \"Information\" \"Windows must restart for the new settings to take effect. Restart now ?\"";
    SimRun yes = Simulate("wait 100\nclick NvOS8PushButton5\nclick rbtnCable\nanswer yes\nclose\n");
    EXPECT_RAN(yes);
    EXPECT_TRUE(yes.Has(question + " -> yes"));
    EXPECT_TRUE(yes.Has("restart 2"));
    EXPECT_TRUE(yes.Has("exit"));

    SimRun no = Simulate("wait 100\nclick NvOS8PushButton5\nclick rbtnCable\nanswer no\nclose\nwait 500\n"
                         "menu RebootMySystemToLockInTheChanges1\nrclick-tray\n");
    EXPECT_RAN(no);
    EXPECT_TRUE(no.Has(question + " -> no"));
    EXPECT_TRUE(no.Has("tray add"));
    // The reboot item is there in the tray menu.
    EXPECT_TRUE(no.Has("menu popIcon -> RebootMySystemToLockInTheChanges1"));
    EXPECT_TRUE(no.Has("restart 2"));
}

// Without administrator rights nothing can be written: no success claimed.
TEST_F(Scenario, RefusedWritesAreReportedInsteadOfSuccess)
{
    SimRun run = Simulate(ToApplyScreen + "answer ok\nwait 4000\n"
                                          "expect flag changesPending off\nexpect flag changesMade off\n"
                                          "menu mnuClose\nrclick-tray\n",
                          {"--deny-writes", "HKEY_LOCAL_MACHINE\\System"});
    EXPECT_RAN(run);
    EXPECT_TRUE(run.Has("messagebox \"Information\" \"Velocitrex could not change your network settings. Please "
                        "log on as an administrator and try again.\" -> ok"));
    EXPECT_TRUE(run.Has("modal-end frmMakeRegistryChanges no"));
    EXPECT_FALSE(run.Has("restart"));
    // Answered after the reading time of the box that came at the end of the animation.
    EXPECT_EQ(run.TimeOf("messagebox"), 13100 + 45 * 45 + 500);
    EXPECT_FALSE(run.Has("show btnRebootNow"));
    EXPECT_EQ(run.registry.find("\"TcpMaxDupAcks\"=dword:00000002"), std::string::npos);
}

TEST_F(Scenario, RestoreOriginalSettingsFromTheTray)
{
    const std::string undo = ToTrayLater + "answer yes\nanswer no\nmenu mnuRestoreOriginal\nrclick-tray\nwait 100\n";
    SimRun run = Simulate(undo);
    EXPECT_RAN(run);
    EXPECT_TRUE(run.Has("\"Velocitrex will put back the network settings that were in place before it first "
                        "changed them. Continue ?\" -> yes"));
    EXPECT_TRUE(run.Has("\"Windows must restart for the original settings to take effect. Restart now ?\" -> no"));
    // Every tuned value is back as it was.
    for (const char* value : {"\"TcpMaxDupAcks\"=dword:00000003", "\"TCPWindowSize\"=dword:0000faf0"})
        EXPECT_NE(run.registry.find(value), std::string::npos) << value << "\n" << run.registry;

    SimRun restart = Simulate(ToTrayLater + "answer yes\nanswer yes\nmenu mnuRestoreOriginal\nrclick-tray\n");
    EXPECT_RAN(restart);
    EXPECT_TRUE(restart.Has("restart 2"));
    EXPECT_TRUE(restart.Has("exit"));
}

TEST_F(Scenario, RestoreItemDoesNothingWhileTheJournalIsEmpty)
{
    SimRun run = Simulate("wait 100\nclick NvOS8PushButton5\nclick JLAqua5\nclick btnNext\nwait 13000\nclick btnNext\n"
                          "wait 1000\nclose\n"
                          "wait 1000\nmenu mnuRestoreOriginal\nrclick-tray\n");
    // The main window closed without a restart question: nothing was pending.
    EXPECT_RAN(run);
    EXPECT_FALSE(run.Has("Continue ?"));
}

TEST_F(Scenario, TrayRequestsWhileWindowsAreOpen)
{
    // A second About while one is open, and a change-settings request while the
    // main window is open, do nothing but bring the window forward.
    SimRun run = Simulate(ToTrayLater + "menu About1\nrclick-tray\nmenu About1\nrclick-tray\nclick btnOK\n"
                                        "dblclick-tray\ndblclick-tray\nmenu mnuChangeSettings\nrclick-tray\n"
                                        "expect visible Panel3\n");
    EXPECT_RAN(run);
    auto count = [&](const std::string& text) {
        int n = 0;
        for (std::size_t at = run.transcript.find(text); at != std::string::npos; at = run.transcript.find(text, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("show frmAbout"), 1);
    EXPECT_EQ(count("show frm2002Main"), 2);  // at start and from the tray
}

}  // namespace
}  // namespace vx::app

namespace vx::app {
namespace {

// Keys a machine lacks by design (the NDI cache on 98) are no refusal, while a
// key that is there and refuses is one.
TEST_F(Scenario, AbsentKeysAreNoRefusal)
{
    struct Case {
        const char* fixture;
        std::vector<std::string> extra;
        bool refused;
    };
    const Case cases[] = {
        {"win98.reg", {}, false},
        {"winxp.reg", {"--deny-writes", "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Netbt"}, true}};
    for (const Case& c : cases) {
        SimRun run = Simulate(ToApplyScreen + (c.refused ? "answer ok\n" : "") + "wait 4000\n", c.extra, c.fixture);
        EXPECT_RAN(run) << c.fixture;
        EXPECT_EQ(run.Has("could not change"), c.refused) << c.fixture;
    }
}

}  // namespace
}  // namespace vx::app
