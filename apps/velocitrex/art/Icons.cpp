// The program's icon: the speedometer emblem on its own, drawn at each size
// rather than scaled, so the small ones stay sharp.
#include "apps/velocitrex/art/Logo.h"
#include "apps/velocitrex/art/Pictures.h"

namespace vx::art {

Raster IconPicture(int size)
{
    Raster raster = Raster::Transparent(Box{0, 0, size, size});
    const double c = size / 2.0;
    DrawGauge(raster, c, c, c - (size >= 32 ? 1.5 : 0.5));
    return raster;
}

}  // namespace vx::art
