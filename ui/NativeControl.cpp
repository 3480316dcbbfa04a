#include "ui/NativeControl.h"

namespace vx::ui {

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
