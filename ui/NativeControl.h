#pragma once
// A control that the window system shows as a child window of its form (a
// button, an edit box, a list ...). The portable object holds the state; its
// peer mirrors every change, and the backend reports the user's actions through
// the Native* members of the derived classes. The window is made when the form
// is shown, when the control is given a parent on a shown form, and for a control
// made on a shown form, on the next turn of the message loop.
#include <memory>

#include "ui/Control.h"

namespace vx::ui {

class NativeControl : public Control {
public:
    explicit NativeControl(Control* parent = nullptr);
    ~NativeControl() override;

    virtual NativeKind Kind() const = 0;

    // Called by the framework.
    bool IsNative() const override { return true; }
    void AttachPeer(Backend& backend, FormPeer& form);
    void DetachPeer() { peer_.reset(); }
    ControlPeer* Peer() const { return peer_.get(); }
    void SyncPeer(Change change);

protected:
    void Changed(Change change) override { SyncPeer(change); }
    bool TakesFocus() const override { return true; }

private:
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace vx::ui
