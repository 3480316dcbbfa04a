#include "ui/Memo.h"

namespace vx::ui {

Memo::Memo(Control* parent) : NativeControl(parent)
{
    SetColor(clWindow);
}

bool Memo::WantsKey(Key key) const
{
    return IsArrow(key) || (key == Key::Enter && !readOnly_);
}

void Memo::SetLines(std::vector<std::string> lines)
{
    if (lines == lines_)
        return;
    lines_ = std::move(lines);
    topLine_ = 0;
    Changed(Change::Text);
    if (OnChange)
        OnChange();
}

void Memo::NativeTextChanged(const std::string& text)
{
    std::vector<std::string> lines = SplitLines(text);
    if (lines == lines_ || readOnly_)
        return;
    lines_ = std::move(lines);
    if (OnChange)
        OnChange();
}

std::string Memo::Text() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += line + "\r\n";
    return text;
}

void Memo::SetText(const std::string& text)
{
    SetLines(SplitLines(text));
}

std::vector<std::string> Memo::SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            line += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lines.push_back(std::move(line));
        line.clear();
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

void Memo::SetStyle(bool& flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    Changed(Change::Style);
}

}  // namespace vx::ui
