#include "ui/NativeControl.h"

#include "ui/Form.h"

namespace vx::ui {

// The window cannot be made here (the derived parts do not exist yet): a form that
// is shown makes it on the next turn of its message loop.
NativeControl::NativeControl(Control* parent) : Control(parent)
{
    SetTabStop(true);
    Form* form = OwningForm();
    if (form && form->Peer())
        form->QueueNative(*this);
}

NativeControl::~NativeControl() = default;

void NativeControl::AttachPeer(Backend& backend, FormPeer& form)
{
    if (!peer_)
        peer_ = backend.CreateControlPeer(*this, form);
}

void NativeControl::SyncPeer(Change change)
{
    if (peer_)
        peer_->Update(change);
}

}  // namespace vx::ui
