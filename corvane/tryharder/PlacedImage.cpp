#include "tryharder/PlacedImage.h"

#include <cmath>

namespace corvane::tryharder {

int PlacedImage::CallerX(double x) const { return originX + static_cast<int>(std::lround(x)); }
int PlacedImage::CallerY(double y) const { return originY + static_cast<int>(std::lround(y)); }

}  // namespace corvane::tryharder
