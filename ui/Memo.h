#pragma once
// A multi-line text box, usually read-only, with an optional vertical scroll bar.
// OnChange runs after every change of the text, typed or set by program code.
#include <functional>
#include <string>
#include <vector>

#include "ui/NativeControl.h"

namespace vx::ui {

class Memo : public NativeControl {
public:
    explicit Memo(Control* parent = nullptr);
    NativeKind Kind() const override { return NativeKind::Memo; }
    // The arrows move the caret, and Enter starts a new line unless read-only.
    bool WantsKey(Key key) const override;

    std::function<void()> OnChange;

    const std::vector<std::string>& Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    // Lines joined with CR LF, and split at CR LF, LF or CR.
    std::string Text() const;
    void SetText(const std::string& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly) { SetStyle(readOnly_, readOnly); }
    bool VerticalScrollBar() const { return scrollBar_; }
    void SetVerticalScrollBar(bool shown) { SetStyle(scrollBar_, shown); }
    bool Border() const { return border_; }
    void SetBorder(bool border) { SetStyle(border_, border); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap) { SetStyle(wordWrap_, wrap); }

    // The first line shown.
    int TopLine() const { return topLine_; }
    // Called by a backend: the user scrolled, or edited the text.
    void NativeScrolled(int topLine) { topLine_ = topLine < 0 ? 0 : topLine; }
    void NativeTextChanged(const std::string& text);

private:
    void SetStyle(bool& flag, bool value);
    static std::vector<std::string> SplitLines(const std::string& text);

    std::vector<std::string> lines_;
    bool readOnly_ = false;
    bool scrollBar_ = false;
    bool border_ = true;
    bool wordWrap_ = true;
    int topLine_ = 0;
};

}  // namespace vx::ui
