#pragma once
#include <deque>
#include <vector>

#include "platform/MessageBoxes.h"

namespace vx::platform {

// Records every message box and answers with the scripted answers in turn;
// with none left it answers with the box's first button, as Enter would.
class HostMessageBoxes : public MessageBoxes {
public:
    MsgAnswer Show(const MessageRequest& request) override;

    void ScriptAnswer(MsgAnswer answer) { scripted_.push_back(answer); }
    const std::vector<MessageRequest>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); scripted_.clear(); }

private:
    std::vector<MessageRequest> shown_;
    std::deque<MsgAnswer> scripted_;
};

MsgAnswer FirstButtonAnswer(MsgButtons buttons);

}  // namespace vx::platform
