#pragma once
// An application on the Windows backend, with helpers to reach the windows
// behind forms and controls and to run the message loop for a bounded time.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ui/Application.h"
#include "ui/NativeControl.h"
#include "ui/win32/WinBackend.h"
#include "ui/win32/WinControlPeer.h"
#include "ui/win32/WinFormPeer.h"

namespace vx::ui::win32 {

class WinFixture : public ::testing::Test {
protected:
    WinBackend backend;
    Application app{backend};

    static HWND WindowOf(const Form& form)
    {
        auto* peer = dynamic_cast<WinFormPeer*>(form.Peer());
        return peer ? peer->Handle() : nullptr;
    }
    static HWND WindowOf(const NativeControl& control)
    {
        auto* peer = dynamic_cast<WinControlPeer*>(control.Peer());
        return peer ? peer->Handle() : nullptr;
    }
    static std::string ClassOf(HWND hwnd)
    {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        return name;
    }
    // A window's rectangle in its parent's client coordinates.
    static Rect PlaceOf(HWND hwnd)
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    // Runs the message loop until done() or the time is up; returns done().
    bool PumpUntil(const std::function<bool()>& done, unsigned timeoutMs = 3000)
    {
        const std::uint64_t end = app.NowMs() + timeoutMs;
        while (!done() && app.NowMs() < end) {
            app.ProcessMessages();
            if (!done())
                app.Sleep(5);
        }
        return done();
    }
    void Pump(unsigned ms)
    {
        PumpUntil([] { return false; }, ms);
    }
};

}  // namespace vx::ui::win32
