#include "ui/SpinBox.h"

#include <charconv>
#include <utility>

namespace vx::ui {

namespace {

// A whole number with an optional sign and surrounding blanks.
bool ParseWhole(const std::string& text, long long& out)
{
    std::size_t begin = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos)
        return false;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+')
        ++first;
    const auto [ptr, ec] = std::from_chars(first, last, out);
    return ec == std::errc{} && ptr == last;
}

}  // namespace

SpinBox::SpinBox(Control* parent) : NativeControl(parent)
{
    SetColor(clWindow);
}

void SpinBox::SetRange(int minValue, int maxValue)
{
    if (minValue > maxValue)
        std::swap(minValue, maxValue);
    min_ = minValue;
    max_ = maxValue;
    Changed(Change::Range);
    SetValue(Value());
}

int SpinBox::Value() const
{
    long long parsed = 0;
    if (!ParseWhole(text_, parsed))
        return min_;
    return Clamp(parsed);
}

void SpinBox::SetValue(int value)
{
    std::string text = std::to_string(Clamp(value));
    if (text == text_)
        return;
    text_ = std::move(text);
    Changed(Change::Text);
}

void SpinBox::NativeStep(int direction)
{
    SetValue(Clamp(static_cast<long long>(Value()) + static_cast<long long>(direction) * increment_));
}

void SpinBox::FocusLost()
{
    SetValue(Value());
}

int SpinBox::Clamp(long long value) const
{
    if (value < min_)
        return min_;
    if (value > max_)
        return max_;
    return static_cast<int>(value);
}

}  // namespace vx::ui
