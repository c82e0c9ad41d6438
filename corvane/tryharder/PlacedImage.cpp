#include "tryharder/PlacedImage.h"

#include <cmath>

namespace corvane::tryharder {

int PlacedImage::CallerX(double x) const { return originX + static_cast<int>(std::lround(x / scale)); }
int PlacedImage::CallerY(double y) const { return originY + static_cast<int>(std::lround(y / scale)); }

}  // namespace corvane::tryharder
