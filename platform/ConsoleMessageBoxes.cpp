#include "platform/ConsoleMessageBoxes.h"

#include <string>

namespace vx::platform {

namespace {

MsgAnswer CautiousAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::OkCancel:
    case MsgButtons::YesNoCancel:
    case MsgButtons::RetryCancel: return MsgAnswer::Cancel;
    case MsgButtons::Ok: break;
    }
    return MsgAnswer::Ok;
}

}  // namespace

MsgAnswer ConsoleMessageBoxes::Show(const MessageRequest& request)
{
    std::string line = request.caption.empty() ? request.text : request.caption + ": " + request.text;
    // One line per message, whatever line breaks the text holds.
    for (char& c : line) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    line += '\n';
    std::fputs(line.c_str(), stream_);
    std::fflush(stream_);
    return CautiousAnswer(request.buttons);
}

}  // namespace vx::platform
