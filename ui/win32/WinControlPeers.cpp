#include "ui/win32/WinControlPeers.h"

#include <stdexcept>

#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/OwnerDrawButton.h"
#include "ui/RadioButton.h"
#include "ui/SpinBox.h"
#include "ui/win32/WinCheckBoxPeer.h"
#include "ui/win32/WinComboBoxPeer.h"
#include "ui/win32/WinEditPeer.h"
#include "ui/win32/WinListBoxPeer.h"
#include "ui/win32/WinMemoPeer.h"
#include "ui/win32/WinPushButtonPeer.h"
#include "ui/win32/WinRadioButtonPeer.h"
#include "ui/win32/WinSpinBoxPeer.h"

namespace vx::ui::win32 {

namespace {

template <class T>
T& As(NativeControl& control)
{
    auto* typed = dynamic_cast<T*>(&control);
    if (!typed)
        throw std::logic_error("A native control of the wrong class for its kind: " + control.Name());
    return *typed;
}

std::unique_ptr<WinControlPeer> MakePeer(NativeControl& c, WinFormPeer& form)
{
    switch (c.Kind()) {
    case NativeKind::PushButton: return std::make_unique<WinPushButtonPeer>(As<ButtonControl>(c), form, false);
    case NativeKind::OwnerDrawButton: return std::make_unique<WinPushButtonPeer>(As<OwnerDrawButton>(c), form, true);
    case NativeKind::CheckBox: return std::make_unique<WinCheckBoxPeer>(As<CheckBox>(c), form);
    case NativeKind::RadioButton: return std::make_unique<WinRadioButtonPeer>(As<RadioButton>(c), form);
    case NativeKind::Edit: return std::make_unique<WinEditPeer>(As<Edit>(c), form);
    case NativeKind::ComboBox: return std::make_unique<WinComboBoxPeer>(As<ComboBox>(c), form);
    case NativeKind::SpinBox: return std::make_unique<WinSpinBoxPeer>(As<SpinBox>(c), form);
    case NativeKind::Memo: return std::make_unique<WinMemoPeer>(As<Memo>(c), form);
    case NativeKind::ListBox: return std::make_unique<WinListBoxPeer>(As<ListBox>(c), form);
    }
    throw std::logic_error("A native control of an unknown kind: " + c.Name());
}

}  // namespace

std::unique_ptr<WinControlPeer> CreateWinControlPeer(NativeControl& control, WinFormPeer& form)
{
    std::unique_ptr<WinControlPeer> peer = MakePeer(control, form);
    peer->Create();
    return peer;
}

}  // namespace vx::ui::win32
