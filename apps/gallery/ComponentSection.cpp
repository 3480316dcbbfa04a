#include "apps/gallery/ComponentSection.h"

#include "apps/gallery/ComponentSampler.h"

namespace vx::ui {

namespace {

class ComponentSection : public GallerySection {
public:
    explicit ComponentSection(Control& area) : sampler_(area) {}

private:
    widgets::ComponentSampler sampler_;
};

}  // namespace

std::unique_ptr<GallerySection> MakeComponentSection(Control& area)
{
    return std::make_unique<ComponentSection>(area);
}

}  // namespace vx::ui
