#include "ui/TextLayout.h"

#include <algorithm>

namespace vx::ui {

namespace {

constexpr int TabStopChars = 8;
constexpr std::string_view Ellipsis = "...";

struct RawLine {
    std::string text;
    int underline = -1;
};

// "&&" shows one "&"; "&x" shows x underlined; a lone "&" at the end is dropped.
RawLine StripPrefix(std::string_view text)
{
    RawLine line;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (++i >= text.size())
                break;
            if (text[i] != '&' && line.underline < 0)
                line.underline = static_cast<int>(line.text.size());
        }
        line.text.push_back(text[i]);
    }
    return line;
}

std::string ExpandTabs(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\t')
            out.append(TabStopChars - out.size() % TabStopChars, ' ');
        else
            out.push_back(c);
    }
    return out;
}

std::vector<std::string> SplitLines(std::string_view text, bool singleLine)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (singleLine)
                continue;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back().push_back(c);
        }
    }
    return lines;
}

// Breaks at spaces so each piece fits width; a single word wider than width stays whole.
std::vector<std::string> WrapWords(const std::string& line, int width, const MeasureText& measure)
{
    std::vector<std::string> out;
    std::string current;
    size_t i = 0;
    while (i <= line.size()) {
        size_t end = line.find(' ', i);
        if (end == std::string::npos)
            end = line.size();
        const std::string word = line.substr(i, end - i);
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (!current.empty() && measure(candidate) > width) {
            out.push_back(current);
            current = word;
        } else {
            current = candidate;
        }
        i = end + 1;
    }
    out.push_back(current);
    return out;
}

std::string WithEllipsis(const std::string& line, int width, const MeasureText& measure)
{
    if (measure(line) <= width)
        return line;
    std::string cut = line;
    while (!cut.empty() && measure(cut + std::string(Ellipsis)) > width)
        cut.pop_back();
    return cut + std::string(Ellipsis);
}

}  // namespace

TextLayout LayoutText(const Rect& r, std::string_view text, TextFormat format, const MeasureText& measure,
                      int lineHeight)
{
    const bool singleLine = HasFlag(format, TextFormat::SingleLine);
    std::string expanded = HasFlag(format, TextFormat::ExpandTabs) ? ExpandTabs(text) : std::string(text);
    TextLayout layout;
    for (const std::string& source : SplitLines(expanded, singleLine)) {
        RawLine raw = HasFlag(format, TextFormat::NoPrefix) ? RawLine{source, -1} : StripPrefix(source);
        std::vector<std::string> pieces{raw.text};
        if (HasFlag(format, TextFormat::WordBreak) && !singleLine)
            pieces = WrapWords(raw.text, r.Width(), measure);
        for (size_t i = 0; i < pieces.size(); ++i) {
            TextLine line;
            line.text = HasFlag(format, TextFormat::EndEllipsis) ? WithEllipsis(pieces[i], r.Width(), measure)
                                                                 : pieces[i];
            line.underline = i == 0 && raw.underline < static_cast<int>(line.text.size()) ? raw.underline : -1;
            line.width = measure(line.text);
            layout.lines.push_back(std::move(line));
        }
    }
    const int textHeight = lineHeight * static_cast<int>(layout.lines.size());
    int top = r.top;
    if (singleLine && HasFlag(format, TextFormat::VCenter))
        top = r.top + (r.Height() - textHeight) / 2;
    else if (singleLine && HasFlag(format, TextFormat::Bottom))
        top = r.bottom - textHeight;
    int widest = 0;
    for (size_t i = 0; i < layout.lines.size(); ++i) {
        TextLine& line = layout.lines[i];
        widest = std::max(widest, line.width);
        line.y = top + lineHeight * static_cast<int>(i);
        if (HasFlag(format, TextFormat::Center))
            line.x = (r.left + r.right - line.width) / 2;
        else if (HasFlag(format, TextFormat::Right))
            line.x = r.right - line.width;
        else
            line.x = r.left;
    }
    layout.bounds = {r.left, r.top, r.left + widest, r.top + textHeight};
    layout.result = top - r.top + textHeight;
    return layout;
}

}  // namespace vx::ui
