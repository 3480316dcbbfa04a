#include "platform/win32/WinMessageBoxes.h"

#include <windows.h>

namespace vx::platform {
namespace {

std::string& PlainCaption()
{
    static std::string caption;
    return caption;
}

UINT IconFlag(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return MB_ICONINFORMATION;
    case MsgIcon::Warning: return MB_ICONWARNING;
    case MsgIcon::Error: return MB_ICONERROR;
    case MsgIcon::Question: return MB_ICONQUESTION;
    case MsgIcon::None: break;
    }
    return 0;
}

UINT ButtonFlag(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel: return MB_OKCANCEL;
    case MsgButtons::YesNo: return MB_YESNO;
    case MsgButtons::YesNoCancel: return MB_YESNOCANCEL;
    case MsgButtons::RetryCancel: return MB_RETRYCANCEL;
    case MsgButtons::Ok: break;
    }
    return MB_OK;
}

}  // namespace

void SetPlainMessageCaption(const std::string& caption) { PlainCaption() = caption; }

MsgAnswer WinMessageBoxes::Show(const MessageRequest& request)
{
    const std::string& caption = request.caption.empty() ? PlainCaption() : request.caption;
    int answer = MessageBoxA(GetActiveWindow(), request.text.c_str(), caption.c_str(),
                             IconFlag(request.icon) | ButtonFlag(request.buttons) | MB_TASKMODAL);
    return answer == 0 ? MsgAnswer::Cancel : static_cast<MsgAnswer>(answer);
}

}  // namespace vx::platform

namespace vx::platform {

template <>
MessageBoxes& DefaultService<MessageBoxes>()
{
    static WinMessageBoxes boxes;
    return boxes;
}

}  // namespace vx::platform
