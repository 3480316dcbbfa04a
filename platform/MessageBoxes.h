#pragma once
#include <string>

#include "platform/CurrentService.h"

namespace vx::platform {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
// The numbers are the standard dialog answers (IDOK ... IDNO).
enum class MsgAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string caption;  // empty: the application's title, as a plain message box has
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer Show(const MessageRequest& request) = 0;
};

inline MsgAnswer ShowMessageBox(const MessageRequest& request)
{
    return CurrentService<MessageBoxes>::Get().Show(request);
}

// The application's plain message box: the text and an OK button.
inline void ShowPlainMessage(const std::string& text)
{
    ShowMessageBox({text, "", MsgIcon::None, MsgButtons::Ok});
}

}  // namespace vx::platform
