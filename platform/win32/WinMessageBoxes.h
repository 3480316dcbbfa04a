#pragma once
#include "platform/MessageBoxes.h"

namespace vx::platform {

class WinMessageBoxes : public MessageBoxes {
public:
    MsgAnswer Show(const MessageRequest& request) override;
};

// The caption of a plain message box; the window framework sets it to the application title.
void SetPlainMessageCaption(const std::string& caption);

}  // namespace vx::platform
