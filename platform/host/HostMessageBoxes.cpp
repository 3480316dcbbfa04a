#include "platform/host/HostMessageBoxes.h"

namespace vx::platform {

MsgAnswer FirstButtonAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
    case MsgButtons::RetryCancel: return MsgAnswer::Retry;
    case MsgButtons::Ok:
    case MsgButtons::OkCancel: break;
    }
    return MsgAnswer::Ok;
}

MsgAnswer HostMessageBoxes::Show(const MessageRequest& request)
{
    shown_.push_back(request);
    if (scripted_.empty())
        return FirstButtonAnswer(request.buttons);
    MsgAnswer answer = scripted_.front();
    scripted_.pop_front();
    return answer;
}

}  // namespace vx::platform
