// A wizard of skinned buttons works without a mouse: each kind takes the focus
// with Tab, shows it once the keyboard is used, clicks on Space and Enter, and
// ends a modal run with its modal result.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/widgets/WidgetFixture.h"
#include "ui/ButtonRole.h"
#include "ui/host/FormRenderer.h"
#include "widgets/AHMRoundButton.h"
#include "widgets/DsFancyButton.h"
#include "widgets/JLAqua.h"
#include "widgets/NvOS8PushButton.h"

namespace vx::widgets {
namespace {

struct Kind {
    const char* name;
    std::function<std::unique_ptr<ui::Control>(ui::Control*)> make;
};

template <class T>
Kind KindOf(const char* name)
{
    return {name, [](ui::Control* parent) { return std::make_unique<T>(parent); }};
}

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {KindOf<TJLAqua>("aqua"), KindOf<TDsFancyButton>("fancy"),
                                            KindOf<TAHMRoundButton>("round"), KindOf<TNvOS8PushButton>("push")};
    return kinds;
}

using SkinnedKeyboardTest = WidgetFixture;

TEST_F(SkinnedKeyboardTest, EveryKindTakesTheFocusShowsItAndClicksOnSpaceAndEnter)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        ui::Form page;
        page.SetBorderStyle(ui::BorderStyle::None);
        page.SetBounds(100, 100, 300, 200);
        std::unique_ptr<ui::Control> first = kind.make(&page);
        std::unique_ptr<ui::Control> second = kind.make(&page);
        first->SetBounds(20, 20, 80, 40);
        second->SetBounds(150, 20, 80, 40);
        page.Show();
        app.ProcessMessages();
        int clicks = 0;
        second->OnClick = [&] { ++clicks; };
        EXPECT_EQ(page.ActiveControl(), first.get());
        const ui::Bitmap unfocused = ui::RenderControl(*second);
        user.PressKey(ui::Key::Tab);
        EXPECT_EQ(page.ActiveControl(), second.get());
        EXPECT_FALSE(SamePixels(ui::RenderControl(*second), unfocused));  // the focus shows
        user.PressKey(ui::Key::Space);
        user.PressKey(ui::Key::Enter);
        EXPECT_EQ(clicks, 2);
        user.PressKey(ui::Key::Tab);
        EXPECT_TRUE(SamePixels(ui::RenderControl(*second), unfocused));
    }
}

TEST_F(SkinnedKeyboardTest, EveryKindEndsAModalRunWithItsResult)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        ui::Form page;
        page.SetBounds(100, 100, 300, 200);
        std::unique_ptr<ui::Control> btnNext = kind.make(&page);
        btnNext->SetBounds(20, 20, 80, 40);
        std::unique_ptr<ui::Control> btnCancel = kind.make(&page);
        btnCancel->SetBounds(150, 20, 80, 40);
        dynamic_cast<ui::ButtonRole&>(*btnNext).SetModalResult(ui::ModalResult::Yes);
        auto& cancel = dynamic_cast<ui::ButtonRole&>(*btnCancel);
        cancel.SetModalResult(ui::ModalResult::Cancel);
        cancel.SetCancel(true);
        host.Then(10, [&] { user.Click(*btnNext); });
        EXPECT_EQ(page.ShowModal(), ui::ModalResult::Yes);
        host.Then(10, [&] { user.PressKey(ui::Key::Escape); });
        EXPECT_EQ(page.ShowModal(), ui::ModalResult::Cancel);
    }
}

}  // namespace
}  // namespace vx::widgets
