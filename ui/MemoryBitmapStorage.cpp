#include "ui/MemoryBitmapStorage.h"

#include <algorithm>

namespace vx::ui {

namespace {

BitmapStorageFactory& Factory()
{
    static BitmapStorageFactory factory = nullptr;
    return factory;
}

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

BitmapStorageFactory SetBitmapStorageFactory(BitmapStorageFactory factory)
{
    BitmapStorageFactory previous = Factory();
    Factory() = factory;
    return previous;
}

std::unique_ptr<BitmapStorage> CreateBitmapStorage(int width, int height)
{
    if (Factory())
        return Factory()(width, height);
    return std::make_unique<MemoryBitmapStorage>(width, height);
}

}  // namespace vx::ui
