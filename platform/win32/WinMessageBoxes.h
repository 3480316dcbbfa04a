#pragma once
#include <windows.h>

#include "platform/MessageBoxes.h"

namespace vx::platform {

// Message boxes of a program without windows of its own: owned by no window and
// modal for the whole task.
class WinMessageBoxes : public MessageBoxes {
public:
    MsgAnswer Show(const MessageRequest& request) override;
};

// MessageBoxA, modal for owner (nullptr: for the whole task). An empty caption
// gives Windows' own ("Error").
MsgAnswer ShowWinMessageBox(HWND owner, const MessageRequest& request);

}  // namespace vx::platform
