#pragma once
// The raised, inset, shadowed or outlined look of captions, with an optional
// extruded repetition, drawn by DrawText3D.
#include <functional>
#include <string_view>

#include "ui/Color.h"
#include "ui/Geometry.h"
#include "ui/TextFormat.h"

namespace vx::ui {
class Canvas;
}

namespace vx::widgets {

enum class TAHMStyle3D { fontRaised, fontInset, fontOnlyShadow, fontOnlyHighlight, fontOutLineShadow };
enum class TAHMRepeat { repeatOnShadow, repeatOnHighLight, repeatNone };

class TAHMFont3D {
public:
    std::function<void()> OnChange;

    bool ThreeDimensional() const { return threeDimensional_; }
    void SetThreeDimensional(bool on) { Set(threeDimensional_, on); }
    bool MaskFont() const { return maskFont_; }
    void SetMaskFont(bool on) { Set(maskFont_, on); }
    ui::Color Highlight() const { return highlight_; }
    void SetHighlight(ui::Color c) { Set(highlight_, c); }
    ui::Color Shadow() const { return shadow_; }
    void SetShadow(ui::Color c) { Set(shadow_, c); }
    TAHMStyle3D Style3D() const { return style_; }
    void SetStyle3D(TAHMStyle3D style) { Set(style_, style); }
    int Offset() const { return offset_; }
    void SetOffset(int offset) { Set(offset_, Byte(offset)); }
    TAHMRepeat Repetition() const { return repetition_; }
    void SetRepetition(TAHMRepeat repeat) { Set(repetition_, repeat); }
    ui::Color RepetitionColor() const { return repetitionColor_; }
    void SetRepetitionColor(ui::Color c) { Set(repetitionColor_, c); }
    int Repetitionwidth() const { return repetitionWidth_; }
    void SetRepetitionwidth(int width) { Set(repetitionWidth_, Byte(width)); }

private:
    static int Byte(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
    template <class T>
    void Set(T& field, T value)
    {
        field = value;
        if (OnChange)
            OnChange();
    }

    bool threeDimensional_ = true;
    bool maskFont_ = true;
    ui::Color highlight_ = ui::clBtnHighlight;
    ui::Color shadow_ = ui::clBtnShadow;
    TAHMStyle3D style_ = TAHMStyle3D::fontOnlyHighlight;
    int offset_ = 1;
    TAHMRepeat repetition_ = TAHMRepeat::repeatNone;
    ui::Color repetitionColor_ = ui::clBlack;
    int repetitionWidth_ = 0;
};

// Draws text into r with the canvas's font and the given format, transparent and
// unclipped, with the effect; the canvas's font colour is the front copy's.
void DrawText3D(const TAHMFont3D& font3d, ui::Canvas& canvas, bool enabled, ui::TextFormat format,
                std::string_view text, ui::Rect r);

}  // namespace vx::widgets
