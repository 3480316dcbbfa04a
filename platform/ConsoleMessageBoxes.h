#pragma once
// Message boxes of a console tool: no window opens; each message becomes a line
// on standard error ("Caption: text"), and a question gets its cautious answer
// (No, Cancel), as nobody is there to answer it.
#include <cstdio>

#include "platform/MessageBoxes.h"

namespace vx::platform {

class ConsoleMessageBoxes : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::FILE* stream = stderr) : stream_(stream) {}
    MsgAnswer Show(const MessageRequest& request) override;

private:
    std::FILE* stream_;
};

}  // namespace vx::platform
