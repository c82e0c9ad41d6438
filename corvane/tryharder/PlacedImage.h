#pragma once
// A grey image the reader reads, with the way back from its pixels to the caller's bitmap.

#include "tryharder/GreyImage.h"

namespace corvane::tryharder {

struct PlacedImage {
    GreyImage image;
    int originX = 0;  // the area's top-left pixel in the caller's bitmap
    int originY = 0;

    int CallerX(double x) const;
    int CallerY(double y) const;
};

}  // namespace corvane::tryharder
