#include "apps/vxtune/TextOutput.h"

namespace vx::tune {

TextOutput& TextOutput::operator<<(std::string_view text)
{
    if (stream_)
        std::fwrite(text.data(), 1, text.size(), stream_);
    else
        kept_ += text;
    return *this;
}

void TextOutput::Flush()
{
    if (stream_)
        std::fflush(stream_);
}

}  // namespace vx::tune
