#pragma once
// A single-line edit box. OnChange runs after every change of the text, typed or
// set by program code.
#include <functional>
#include <string>

#include "ui/NativeControl.h"

namespace vx::ui {

class Edit : public NativeControl {
public:
    explicit Edit(Control* parent = nullptr);
    NativeKind Kind() const override { return NativeKind::Edit; }
    // The arrows work inside it.
    bool WantsKey(Key key) const override { return IsArrow(key); }

    std::function<void()> OnChange;

    const std::string& Text() const { return text_; }
    void SetText(std::string text);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    // Called by a backend: the user edited the text.
    void NativeTextChanged(std::string text);

private:
    std::string text_;
    bool readOnly_ = false;
};

}  // namespace vx::ui
