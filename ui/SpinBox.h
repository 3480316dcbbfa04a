#pragma once
// A numeric edit box with up and down arrows that keeps its value inside
// [MinValue, MaxValue]: a value set by code shows the nearest bound, typed text is
// brought into range when the box loses the focus, and text that is not a whole
// number reads as MinValue.
#include <string>

#include "ui/NativeControl.h"

namespace vx::ui {

class SpinBox : public NativeControl {
public:
    explicit SpinBox(Control* parent = nullptr);
    NativeKind Kind() const override { return NativeKind::SpinBox; }
    // The arrows work inside it.
    bool WantsKey(Key key) const override { return IsArrow(key); }

    int MinValue() const { return min_; }
    int MaxValue() const { return max_; }
    // A reversed range is taken as written the other way round.
    void SetRange(int minValue, int maxValue);
    int Increment() const { return increment_; }
    void SetIncrement(int increment) { increment_ = increment; }

    int Value() const;
    void SetValue(int value);
    const std::string& Text() const { return text_; }

    // Called by a backend: the user typed, or pressed an arrow (+1 up, -1 down).
    void NativeTextChanged(std::string text) { text_ = std::move(text); }
    void NativeStep(int direction);

protected:
    void FocusLost() override;

private:
    int Clamp(long long value) const;

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    std::string text_ = "0";
};

}  // namespace vx::ui
