#include "apps/velocitrex/art/Painter.h"

namespace vx::art {
namespace {

// One box-blur pass along rows (step 1) or columns (step = width).
void BoxPass(std::vector<float>& data, int lines, int length, int step, int lineStep, int radius)
{
    std::vector<float> line(static_cast<std::size_t>(length));
    const float width = static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        const std::size_t base = static_cast<std::size_t>(l) * static_cast<std::size_t>(lineStep);
        for (int i = 0; i < length; ++i)
            line[static_cast<std::size_t>(i)] = data[base + static_cast<std::size_t>(i * step)];
        float sum = 0;
        for (int i = -radius; i <= radius; ++i)
            sum += (i >= 0 && i < length) ? line[static_cast<std::size_t>(i)] : 0;
        for (int i = 0; i < length; ++i) {
            data[base + static_cast<std::size_t>(i * step)] = sum / width;
            const int out = i - radius, in = i + radius + 1;
            if (out >= 0)
                sum -= line[static_cast<std::size_t>(out)];
            if (in < length)
                sum += line[static_cast<std::size_t>(in)];
        }
    }
}

}  // namespace

Box PixelsOf(const Extent& extent)
{
    return {static_cast<int>(std::floor(extent.left)), static_cast<int>(std::floor(extent.top)),
            static_cast<int>(std::ceil(extent.right)), static_cast<int>(std::ceil(extent.bottom))};
}

Box Clipped(const Box& box, const Box& to)
{
    return {std::max(box.left, to.left), std::max(box.top, to.top), std::min(box.right, to.right),
            std::min(box.bottom, to.bottom)};
}

std::vector<float> BlurredCoverage(const Box& box, const std::vector<float>& coverage, int radius)
{
    std::vector<float> data = coverage;
    if (radius <= 0)
        return data;
    const int w = box.Width(), h = box.Height();
    // Three box passes each way come close to a Gaussian.
    const int pass = std::max(1, radius / 2);
    for (int i = 0; i < 3; ++i) {
        BoxPass(data, h, w, 1, w, pass);
        BoxPass(data, w, h, w, 1, pass);
    }
    return data;
}

}  // namespace vx::art
