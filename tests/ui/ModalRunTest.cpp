// Modal runs: results, nesting, closing and Terminate.
#include <stdexcept>
#include <vector>

#include "tests/ui/FlatButton.h"
#include "tests/ui/UiFixture.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/host/HostPeers.h"

namespace vx::ui {
namespace {

class Dialog : public Form {
public:
    explicit Dialog(const char* name)
    {
        SetName(name);
        SetClientSize(200, 100);
        btnOk.SetName("btnOk");
        btnOk.SetBounds(10, 10, 75, 25);
        btnOk.SetCaption("OK");
        btnNested.SetName("btnNested");
        btnNested.SetBounds(100, 10, 75, 25);
    }
    Button btnOk{this};
    Button btnNested{this};
};

using ModalRunTest = UiFixture;

TEST_F(ModalRunTest, EndsWithTheResultSetByAHandlerOrByClose)
{
    struct Case {
        const char* name;
        void (*act)(Dialog&);
        ModalResult expected;
    };
    const std::vector<Case> cases = {
        {"result set", [](Dialog& d) { d.SetModalResult(ModalResult::Yes); }, ModalResult::Yes},
        {"retry", [](Dialog& d) { d.SetModalResult(ModalResult::Retry); }, ModalResult::Retry},
        {"closed", [](Dialog& d) { d.Close(); }, ModalResult::Cancel},
    };
    for (const Case& c : cases) {
        Dialog dialog("dialog");
        dialog.btnOk.OnClick = [&] { c.act(dialog); };
        host.Then(10, [&] { user.Click("btnOk"); });
        EXPECT_EQ(dialog.ShowModal(), c.expected) << c.name;
        EXPECT_FALSE(dialog.Visible()) << c.name;
        EXPECT_FALSE(dialog.IsModal()) << c.name;
    }
}

TEST_F(ModalRunTest, OnCloseCanChangeTheResultOrKeepTheFormOpen)
{
    Dialog dialog("dialog");
    int closes = 0;
    dialog.OnClose = [&](CloseAction& action) {
        if (++closes == 1) {
            action = CloseAction::None;
            return;
        }
        if (dialog.GetModalResult() != ModalResult::Yes)
            dialog.SetModalResult(ModalResult::No);
    };
    dialog.btnOk.OnClick = [&] { dialog.Close(); };
    host.Then(10, [&] { user.Click("btnOk"); });
    host.Then(10, [&] {
        EXPECT_TRUE(dialog.Visible());
        user.Click("btnOk");
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::No);
    EXPECT_EQ(closes, 2);
}

TEST_F(ModalRunTest, NestedRunsEndInnerFirstAndOnlyTheTopWindowTakesInput)
{
    Dialog outer("outer");
    Dialog inner("inner");
    inner.SetBounds(300, 300, 200, 100);
    std::vector<std::string> trace;
    outer.btnNested.OnClick = [&] {
        trace.push_back("inner " + std::to_string(static_cast<int>(inner.ShowModal())));
    };
    outer.btnOk.OnClick = [&] { outer.SetModalResult(ModalResult::Ok); };
    inner.btnOk.OnClick = [&] { inner.SetModalResult(ModalResult::Abort); };
    host.Then(10, [&] { user.Click(outer.btnNested); });
    host.Then(10, [&] {
        EXPECT_FALSE(outer.AcceptsInput());
        user.Click(outer.btnOk);  // disabled by the inner run: ignored
        user.Click(inner.btnOk);
    });
    host.Then(10, [&] { user.Click(outer.btnOk); });
    EXPECT_EQ(outer.ShowModal(), ModalResult::Ok);
    EXPECT_EQ(trace, std::vector<std::string>{"inner 3"});
    EXPECT_EQ(user.IgnoredInputs(), 3);  // move, press, release
}

TEST_F(ModalRunTest, TerminateEndsEveryOpenRunWithCancel)
{
    Dialog outer("outer");
    Dialog inner("inner");
    ModalResult innerResult = ModalResult::None;
    bool closeRan = false;
    inner.OnClose = [&](CloseAction&) { closeRan = true; };
    outer.btnNested.OnClick = [&] { innerResult = inner.ShowModal(); };
    host.Then(10, [&] { user.Click(outer.btnNested); });
    host.Then(10, [&] { app.Terminate(); });
    EXPECT_EQ(outer.ShowModal(), ModalResult::Cancel);
    EXPECT_EQ(innerResult, ModalResult::Cancel);
    EXPECT_FALSE(closeRan);
    EXPECT_FALSE(inner.Visible());
}

TEST_F(ModalRunTest, AVisibleFormCannotRunModally)
{
    Dialog dialog("dialog");
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), std::logic_error);
}

TEST_F(ModalRunTest, WaitingWithNothingScriptedFailsLoudly)
{
    Dialog dialog("dialog");
    EXPECT_THROW(dialog.ShowModal(), HostIdleError);
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_EQ(app.TopModal(), nullptr);
}

TEST_F(ModalRunTest, TheFirstFormIsTheMainFormAndClosingItEndsRun)
{
    Dialog main("main");
    Dialog second("second");
    EXPECT_EQ(app.MainForm(), &main);
    int shows = 0;
    main.OnShow = [&] { ++shows; };
    main.btnOk.OnClick = [&] { main.Close(); };
    host.Then(10, [&] { user.Click(main.btnOk); });
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(shows, 1);
}

TEST_F(ModalRunTest, CreateRunsOnCreateOnceTheDerivedFormIsComplete)
{
    struct Page : Form {
        Page()
        {
            OnCreate = [this] { created = btn.Caption(); };
            btn.SetCaption("ready");
        }
        Button btn{this};
        std::string created;
    };
    auto page = MakeForm<Page>();
    EXPECT_EQ(page->created, "ready");
}

TEST_F(ModalRunTest, ScreenCentredFormsAreCentredWhenFirstShown)
{
    host.SetScreenSize({800, 600});
    Dialog dialog("dialog");
    dialog.SetPosition(FormPosition::ScreenCenter);
    dialog.Show();
    EXPECT_EQ(dialog.Left(), 300);
    EXPECT_EQ(dialog.Top(), 250);
    dialog.Hide();
    dialog.SetLeft(7);
    dialog.Show();
    EXPECT_EQ(dialog.Left(), 7);
}

// OK and Cancel need no handler; a handler still runs after the result is set
// and may change it.
TEST_F(ModalRunTest, AButtonsModalResultEndsTheRunOfItsForm)
{
    struct Case {
        const char* what;
        bool windowless;
        ModalResult result;
        bool handlerChanges;
        ModalResult expected;
    };
    const Case cases[] = {
        {"button", false, ModalResult::Ok, false, ModalResult::Ok},
        {"skinned button", true, ModalResult::Yes, false, ModalResult::Yes},
        {"handler has the last word", false, ModalResult::Yes, true, ModalResult::Retry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Dialog dialog("dialog");
        FlatButton btnSkinned(&dialog);
        btnSkinned.SetBounds(10, 50, 75, 25);
        ButtonRole& role = c.windowless ? static_cast<ButtonRole&>(btnSkinned) : dialog.btnOk;
        Control& button = c.windowless ? static_cast<Control&>(btnSkinned) : dialog.btnOk;
        role.SetModalResult(c.result);
        ModalResult seen = ModalResult::None;
        button.OnClick = [&] {
            seen = dialog.GetModalResult();
            if (c.handlerChanges)
                dialog.SetModalResult(ModalResult::Retry);
        };
        host.Then(10, [&] { user.Click(button); });
        EXPECT_EQ(dialog.ShowModal(), c.expected);
        EXPECT_EQ(seen, c.result);
    }
}

TEST_F(ModalRunTest, AModalFormIsOwnedByTheActiveFormAndStaysAboveIt)
{
    Dialog main("main");
    Dialog page("page");
    Dialog box("box");
    main.Show();
    std::vector<std::string> owners;
    auto ownerOf = [](const Form& f) { return f.Owner() ? f.Owner()->Name() : std::string("none"); };
    page.btnNested.OnClick = [&] { box.ShowModal(); };
    host.Then(10, [&] {
        main.Hide();  // the program shows its main window again meanwhile
        main.Show();
        EXPECT_EQ(&host.WindowsTopFirst().front()->GetForm(), &page);
        user.Click(page.btnNested);
    });
    host.Then(10, [&] {
        owners = {ownerOf(page), ownerOf(box)};
        box.SetModalResult(ModalResult::Ok);
    });
    host.Then(10, [&] { page.SetModalResult(ModalResult::Ok); });
    page.ShowModal();
    EXPECT_EQ(owners, (std::vector<std::string>{"main", "page"}));
    EXPECT_EQ(page.Owner(), nullptr);
    EXPECT_EQ(box.Owner(), nullptr);
}

}  // namespace
}  // namespace vx::ui
