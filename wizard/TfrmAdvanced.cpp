#include "wizard/TfrmAdvanced.h"

namespace vx::wizard {

TfrmAdvanced::TfrmAdvanced(ui::Form* owner) : owner_(owner)
{
    SetName("frmAdvanced");
    SetCaption("Velocitrex - Advanced Settings");
    SetClientSize(635, 452);
    SetPosition(ui::FormPosition::ScreenCenter);
    btnCancel.SetName("btnCancel");
    btnCancel.SetCaption("Cancel");
    btnCancel.SetBounds(520, 410, 100, 26);
    btnCancel.SetModalResult(ui::ModalResult::Cancel);
}

}  // namespace vx::wizard
