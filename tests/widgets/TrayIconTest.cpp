// The tray icon's add, modify and delete, its tip and its mouse messages.
#include <string>

#include "tests/widgets/WidgetFixture.h"
#include "ui/PopupMenu.h"
#include "widgets/HostTrayArea.h"
#include "widgets/QV95TrayIcon.h"

namespace vx::widgets {
namespace {

class TrayIconTest : public WidgetFixture {
protected:
    std::vector<TrayAction> Actions() const
    {
        std::vector<TrayAction> actions;
        for (const auto& call : area.Calls())
            actions.push_back(call.action);
        return actions;
    }

    HostTrayArea area;
    platform::ScopedService<TrayArea> scoped{area};
};

TEST_F(TrayIconTest, ActiveAddsAndDeletesTheRecord)
{
    TQV95TrayIcon icon;
    icon.SetToolTip("Velocitrex");
    EXPECT_TRUE(area.Calls().empty());
    icon.SetActive(true);
    ASSERT_EQ(area.Calls().size(), 1u);
    const TrayIconRecord& record = area.Calls()[0].record;
    EXPECT_EQ(record.size, 88u);
    EXPECT_EQ(record.id, 0u);
    EXPECT_EQ(record.flags, 7u);
    EXPECT_EQ(record.callbackMessage, 1025u);
    EXPECT_EQ(record.tip, "Velocitrex");
    EXPECT_TRUE(area.IconShown());
    icon.SetToolTip("Other");
    icon.SetActive(false);
    EXPECT_EQ(Actions(), (std::vector<TrayAction>{TrayAction::Add, TrayAction::Modify, TrayAction::Delete}));
    EXPECT_FALSE(area.IconShown());
}

TEST_F(TrayIconTest, EmptyTipIsSentAgainFromThePostedMessage)
{
    TQV95TrayIcon icon;
    icon.SetActive(true);
    EXPECT_EQ(Actions(), (std::vector<TrayAction>{TrayAction::Add}));
    app.ProcessMessages();
    EXPECT_EQ(Actions(), (std::vector<TrayAction>{TrayAction::Add, TrayAction::Modify}));
}

TEST_F(TrayIconTest, AMessagePostedToAWindowThatIsGoneIsDropped)
{
    {
        TQV95TrayIcon icon;
        icon.SetActive(true);
        area.SendMouse(TrayRightButtonUp);
    }
    area.ClearCalls();
    app.ProcessMessages();
    EXPECT_TRUE(area.Calls().empty());
}

TEST_F(TrayIconTest, TipIsCutTo62Characters)
{
    TQV95TrayIcon icon;
    icon.SetToolTip(std::string(70, 'x'));
    EXPECT_EQ(icon.ToolTip(), std::string(62, 'x'));
}

TEST_F(TrayIconTest, DestroyingAnActiveIconRemovesIt)
{
    {
        TQV95TrayIcon icon;
        icon.SetActive(true);
    }
    EXPECT_FALSE(area.IconShown());
    EXPECT_EQ(area.WindowCount(), 0);
}

TEST_F(TrayIconTest, NewTaskbarGetsTheIconAgain)
{
    TQV95TrayIcon icon;
    icon.SetToolTip("Velocitrex");
    icon.SetActive(true);
    area.BroadcastTaskbarCreated();
    EXPECT_FALSE(area.IconShown());
    app.ProcessMessages();
    EXPECT_TRUE(area.IconShown());
    EXPECT_EQ(Actions(), (std::vector<TrayAction>{TrayAction::Add, TrayAction::Add}));
    icon.SetActive(false);
    area.BroadcastTaskbarCreated();
    app.ProcessMessages();
    EXPECT_FALSE(area.IconShown());
}

TEST_F(TrayIconTest, MouseMessagesRaiseTheEvents)
{
    TQV95TrayIcon icon;
    std::vector<std::string> log;
    icon.OnClick = [&] { log.push_back("click"); };
    icon.OnDblClick = [&] { log.push_back("double"); };
    icon.OnRightClick = [&] { log.push_back("right"); };
    for (unsigned message : {TrayLeftButtonUp, TrayLeftButtonDouble, 513u, TrayRightButtonUp, 512u})
        area.SendMouse(message);
    EXPECT_TRUE(log.empty());  // posted: they arrive from the message loop
    app.ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"click", "double", "right"}));
}

TEST_F(TrayIconTest, RightButtonOpensTheMenuAtTheCursorFirst)
{
    TQV95TrayIcon icon;
    ui::PopupMenu menu;
    menu.SetName("popIcon");
    ui::MenuItem about(menu);
    about.SetName("About1");
    std::vector<std::string> log;
    about.OnClick = [&] { log.push_back("about"); };
    icon.OnRightClick = [&] { log.push_back("right"); };
    icon.SetPopupMenu(&menu);
    host.SetCursorPos({1000, 750});
    host.ChooseMenuItem("About1");
    area.SendMouse(TrayRightButtonUp);
    app.ProcessMessages();
    EXPECT_EQ(host.MenusShown(), (std::vector<std::string>{"popIcon"}));
    EXPECT_EQ(area.ForegroundRequests(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"about", "right"}));
}

}  // namespace
}  // namespace vx::widgets
