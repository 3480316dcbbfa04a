#pragma once
// An application on the headless backend with a simulated user, for window tests.
#include <gtest/gtest.h>

#include "ui/Application.h"
#include "ui/host/HostBackend.h"
#include "ui/host/HostUser.h"

namespace vx::ui {

class UiFixture : public ::testing::Test {
protected:
    HostBackend host;
    Application app{host};
    HostUser user{host};
};

}  // namespace vx::ui
