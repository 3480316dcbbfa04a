#pragma once
// The background component whose gradient style fills the check boxes, round
// buttons and hint bubbles of the set. The controls that use a background are
// told when it goes away, so none keeps a dangling reference.
#include <functional>
#include <utility>
#include <vector>

#include "widgets/AHMGradient.h"

namespace vx::widgets {

enum class TAHMBackgroundStyle { bGradient, bTexture, bSolidcolor, bBrushFillUseCurrent, bBrushFillSolidColor };

class TAHMBackground;

class BackgroundUser {
public:
    virtual void BackgroundChanged() = 0;
    virtual void BackgroundRemoved(TAHMBackground& background) = 0;

protected:
    ~BackgroundUser() = default;
};

class TAHMBackground {
public:
    TAHMBackground();
    ~TAHMBackground();
    TAHMBackground(const TAHMBackground&) = delete;
    TAHMBackground& operator=(const TAHMBackground&) = delete;

    TAHMGradient& Gradient() { return gradient_; }
    TAHMBackgroundStyle Style() const { return style_; }
    void SetStyle(TAHMBackgroundStyle style);
    // The fill of the styles other than the gradient.
    ui::Color Color() const { return color_; }
    void SetColor(ui::Color color);

    void Draw(ui::Canvas& target, int width, int height, bool forward = true) const;

    void AddUser(BackgroundUser& user);
    void RemoveUser(BackgroundUser& user);

private:
    void Changed();

    TAHMGradient gradient_;
    TAHMBackgroundStyle style_ = TAHMBackgroundStyle::bGradient;
    ui::Color color_ = ui::clBtnFace;
    std::vector<BackgroundUser*> users_;
};

// A control's reference to its background: follows its changes and drops it when
// it goes away.
class BackgroundLink final : public BackgroundUser {
public:
    explicit BackgroundLink(std::function<void()> changed) : changed_(std::move(changed)) {}
    ~BackgroundLink();
    BackgroundLink(const BackgroundLink&) = delete;
    BackgroundLink& operator=(const BackgroundLink&) = delete;

    TAHMBackground* Get() const { return background_; }
    void Set(TAHMBackground* background);

    void BackgroundChanged() override { changed_(); }
    void BackgroundRemoved(TAHMBackground& background) override;

private:
    std::function<void()> changed_;
    TAHMBackground* background_ = nullptr;
};

}  // namespace vx::widgets
