// The single-window rule: the reference is set while the window exists and
// cleared only after it is gone.
#include "dispatcher/ProgramState.h"

#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/host/HostBackend.h"

namespace vx::dispatcher {
namespace {

ui::Form* referenceWhileDestroyed = nullptr;

struct About : ui::Form {
    ~About() override { referenceWhileDestroyed = Program().aboutBox; }
};

TEST(ProgramState, SingleWindowReferenceOutlivesItsWindow)
{
    ui::HostBackend host;
    ui::Application app(host);
    Program() = ProgramState{};
    ui::Form* window = nullptr;
    {
        SingleWindowReference reference(Program().aboutBox);
        auto about = ui::MakeForm<About>();
        window = about.get();
        reference.Hold(*about);
        EXPECT_EQ(Program().aboutBox, window);
    }
    EXPECT_EQ(referenceWhileDestroyed, window);
    EXPECT_EQ(Program().aboutBox, nullptr);
}

}  // namespace
}  // namespace vx::dispatcher
