// The simulators' common part on a small program of its own: a window with a
// button that asks a question and one that writes to the registry, run from
// scripts as a person would, with the transcript and the exit statuses.
#include "ui/host/script/Simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/RegistryCalls.h"
#include "platform/FileSystem.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/host/HostBackend.h"

namespace vx::ui::script {
namespace {

class DemoForm : public Form {
public:
    DemoForm()
    {
        SetName("frmDemo");
        SetClientSize(300, 200);
        btnAsk.SetName("btnAsk");
        btnAsk.SetBounds(10, 10, 80, 25);
        btnAsk.OnClick = [this] {
            auto answer = platform::ShowMessageBox({"Go on ?", "Question", platform::MsgIcon::Question,
                                                    platform::MsgButtons::YesNo});
            lblAnswer.SetCaption(answer == platform::MsgAnswer::Yes ? "went on" : "stopped");
        };
        btnWrite.SetName("btnWrite");
        btnWrite.SetBounds(10, 40, 80, 25);
        btnWrite.OnClick = [] {
            SetRegistryValue(RegRoot::LocalMachine, "System\\Demo", true, RegistryValue::Integer(1), "Written",
                             RegValueKind::Integer);
        };
        btnHidden.SetName("btnHidden");
        btnHidden.SetBounds(10, 70, 80, 25);
        btnHidden.SetVisible(false);
        btnQuit.SetName("btnQuit");
        btnQuit.SetBounds(10, 100, 80, 25);
        btnQuit.OnClick = [] { Application::Current().Terminate(); };
        lblAnswer.SetName("lblAnswer");
        lblAnswer.SetBounds(100, 10, 100, 20);
    }
    Button btnAsk{this};
    Button btnWrite{this};
    Button btnHidden{this};
    Button btnQuit{this};
    Label lblAnswer{this};
};

class DemoProgram : public SimulatedProgram {
public:
    std::string Name() const override { return "demo-sim"; }
    bool Option(const std::string& flag) override { return flag == "--loud" && (loud = true); }
    std::optional<bool> Flag(const std::string& name) override
    {
        if (name == "loud")
            return loud;
        return std::nullopt;
    }
    void Run(SimulatorContext& context) override
    {
        Application application(context.backend);
        application.CreateForm<DemoForm>();
        application.Run();
        context.transcript.Event("exit");
    }
    bool loud = false;
};

struct SimRun {
    int status = -1;
    std::string out;
    std::string err;
};

class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = ::testing::TempDir() + "vx-sim-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        platform::Files().MakeDirectory(dir);
        registry = dir + "/machine.reg";
        platform::Files().WriteAll(registry, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Demo]\r\n\"Kept\"=dword:00000001\r\n\r\n");
    }

    SimRun Simulate(std::vector<std::string> args, const std::string& script)
    {
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        DemoProgram program;
        SimRun run;
        run.status = RunSimulator(args, program, out, err, [&] { return std::optional<std::string>(script); });
        run.out = Contents(out);
        run.err = Contents(err);
        return run;
    }
    SimRun Simulate(const std::string& script) { return Simulate({"--registry", registry}, script); }

    static std::string Contents(std::FILE* file)
    {
        std::string text;
        std::rewind(file);
        for (int c; (c = std::fgetc(file)) != EOF;)
            text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }
    std::string Registry() { return platform::Files().ReadAll(registry).value_or(""); }

    std::string dir;
    std::string registry;
};

TEST_F(SimulatorTest, ScriptDrivesTheProgramAndTheTranscriptTellsWhen)
{
    SimRun run = Simulate("# a comment\n"
                       "wait 100\n"
                       "answer yes\n"
                       "click btnAsk\n"
                       "expect text lblAnswer went on\n"
                       "wait 50\n"
                       "click btnQuit\n");
    EXPECT_EQ(run.status, SimOk) << run.err;
    EXPECT_EQ(run.out, "0 show frmDemo\n"
                       "600 messagebox \"Question\" \"Go on ?\" -> yes\n"
                       "650 exit\n");
}

TEST_F(SimulatorTest, FailuresNameTheLineAndLeaveTheRegistryAlone)
{
    const std::string before = Registry();
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"click btnWrite\nexpect text lblAnswer went on\n", "<stdin>:2: text of lblAnswer is \"\", expected \"went on\""},
        {"click btnWrite\nclick btnAsk\n", "<stdin>:2: no answer for"},
        {"click btnWrite\n\nclick btnHidden\n", "<stdin>:3: btnHidden cannot be reached"},
        {"click btnWrite\nclick btnNowhere\n", "<stdin>:2: no control named btnNowhere"},
        {"click btnWrite\nfly away\n", "<stdin>:2: unknown command fly"},
        {"click btnWrite\nexpect flag loud on\n", "<stdin>:2: expected loud on"},
        {"click btnWrite\nexpect flag quiet on\n", "<stdin>:2: unknown flag quiet"},
        {"click btnWrite\nwait soon\n", "<stdin>:2: not a number: soon"},
        {"click btnWrite\nclick btnQuit\nclick btnAsk\n", "<stdin>:3: the program has ended"},
        {"click btnWrite\nanswer maybe\n", "<stdin>:2: unknown answer maybe"},
    };
    for (const Case& c : cases) {
        SimRun run = Simulate(c.script);
        EXPECT_EQ(run.status, SimFailed) << c.script;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << c.script << "\n" << run.err;
        EXPECT_EQ(Registry(), before) << c.script;
    }
}

TEST_F(SimulatorTest, ProgramRestingIdleEndsTheRunAndSavesTheRegistry)
{
    SimRun run = Simulate("click btnWrite\nexpect visible btnAsk\nexpect hidden btnHidden\nexpect flag loud off\n");
    EXPECT_EQ(run.status, SimOk) << run.err;
    EXPECT_NE(Registry().find("\"Written\"=dword:00000001"), std::string::npos) << Registry();
    EXPECT_NE(Registry().find("\"Kept\"=dword:00000001"), std::string::npos);
}

TEST_F(SimulatorTest, DeniedKeysRefuseWritesLikeAUserWithoutRights)
{
    struct Case {
        const char* denied;
        bool written;
    };
    const Case cases[] = {{"HKEY_LOCAL_MACHINE\\System", false},
                          {"HKEY_LOCAL_MACHINE\\SYSTEM\\Demo", false},
                          {"HKEY_LOCAL_MACHINE\\Software", true},
                          {"HKEY_CURRENT_USER\\System", true}};
    for (const Case& c : cases) {
        SetUp();
        SimRun run = Simulate({"--registry", registry, "--deny-writes", c.denied}, "click btnWrite\n");
        EXPECT_EQ(run.status, SimOk) << run.err;
        EXPECT_EQ(Registry().find("Written") != std::string::npos, c.written) << c.denied;
    }
}

TEST_F(SimulatorTest, CommandLineErrorsAreUsageAndBadRegistryFilesTheirOwn)
{
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    const std::string broken = dir + "/broken.reg";
    platform::Files().WriteAll(broken, "not a registry file\n");
    const Case cases[] = {
        {{}, SimUsage},
        {{"--registry"}, SimUsage},
        {{"--registry", registry, "--os", "vista"}, SimUsage},
        {{"--registry", registry, "--fast"}, SimUsage},
        {{"--registry", registry, "--deny-writes", "HKEY_NOWHERE\\X"}, SimUsage},
        {{"--registry", registry, "--script", dir + "/missing.txt"}, SimUsage},
        {{"--registry", broken}, SimRegistryError},
        {{"--registry", registry, "--loud", "--os", "98"}, SimOk},
    };
    for (const Case& c : cases) {
        SimRun run = Simulate(c.args, "expect flag loud on\n");
        EXPECT_EQ(run.status, c.status) << ::testing::PrintToString(c.args) << run.err;
    }
}

TEST(ScriptParsing, TextArgumentsKeepTheirInnerBlanks)
{
    auto lines = ParseScript("  # comment\n\ntype edtName  two  words \r\nexpect text lbl A  B\n", "s.txt");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(lines[0].RestAfter(2), " two  words");
    EXPECT_EQ(lines[1].RestAfter(3), "A  B");
    EXPECT_EQ(lines[1].Where(), "s.txt:4");
}

TEST(TranscriptQuoting, LineBreaksAndQuotesAreWrittenAsEscapes)
{
    EXPECT_EQ(Transcript::Quote("a\r\nb \"c\" \\"), "\"a\\r\\nb \\\"c\\\" \\\\\"");
}

}  // namespace
}  // namespace vx::ui::script
