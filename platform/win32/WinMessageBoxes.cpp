#include "platform/win32/WinMessageBoxes.h"

namespace vx::platform {
namespace {

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

MsgAnswer ShowWinMessageBox(HWND owner, const MessageRequest& request)
{
    const UINT modality = owner ? MB_APPLMODAL : MB_TASKMODAL;
    const char* caption = request.caption.empty() ? nullptr : request.caption.c_str();
    const int answer = MessageBoxA(owner, request.text.c_str(), caption,
                                   IconFlag(request.icon) | ButtonFlag(request.buttons) | modality);
    return answer == 0 ? MsgAnswer::Cancel : static_cast<MsgAnswer>(answer);
}

MsgAnswer WinMessageBoxes::Show(const MessageRequest& request)
{
    return ShowWinMessageBox(nullptr, request);
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
