#pragma once
// Mock-ups of the main program's windows: each picture with components of the
// set laid on it at the places of Layout.h, rendered by the headless backend.
// They are not the program's windows; they show that picture and layout fit.
#include <memory>
#include <string>
#include <vector>

#include "apps/velocitrex/art/Raster.h"
#include "ui/Bitmap.h"
#include "ui/Form.h"

namespace vx::art {

// One window of the mock-ups, with the components it owns.
class Mockup {
public:
    Mockup(std::string name, ui::Bitmap picture, const ui::Region& outline);
    ~Mockup();

    template <class C>
    C& Add(ui::Control* parent, const Box& place, const std::string& caption = "")
    {
        auto control = std::make_unique<C>(parent ? parent : &form_);
        control->SetBounds(place.left, place.top, place.Width(), place.Height());
        if (!caption.empty())
            control->SetCaption(caption);
        C& ref = *control;
        owned_.push_back(std::move(control));
        return ref;
    }

    const std::string& Name() const { return name_; }
    ui::Form& Form() { return form_; }
    // The window as the headless backend draws it, the desktop round it.
    ui::Bitmap Render();

private:
    std::string name_;
    ui::Form form_;
    std::vector<std::unique_ptr<ui::Control>> owned_;
};

// The main window on its Connection panel, the automatic page mid-way, the apply
// screen asking to restart and the About box, on the running application.
std::vector<std::unique_ptr<Mockup>> MakeLayoutPreviews();

}  // namespace vx::art
