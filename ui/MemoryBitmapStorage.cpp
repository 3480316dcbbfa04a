#include "ui/MemoryBitmapStorage.h"

#include <algorithm>

#include "platform/CurrentService.h"

namespace vx::ui {

namespace {

class MemoryStorageFactory : public BitmapStorageFactory {
public:
    std::unique_ptr<BitmapStorage> Create(int width, int height) const override
    {
        return std::make_unique<MemoryBitmapStorage>(width, height);
    }
};

}  // namespace

MemoryBitmapStorage::MemoryBitmapStorage(int width, int height) : canvas_(*this)
{
    Reallocate(width, height);
}

void MemoryBitmapStorage::Reallocate(int width, int height)
{
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    if (width_ == 0 || height_ == 0)
        width_ = height_ = 0;
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
}

std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height)
{
    return platform::CurrentService<BitmapStorageFactory>::Get().Create(width, height);
}

}  // namespace vx::ui

namespace vx::platform {

template <>
ui::BitmapStorageFactory& DefaultService<ui::BitmapStorageFactory>()
{
    static ui::MemoryStorageFactory factory;
    return factory;
}

}  // namespace vx::platform
