#pragma once
// Where a point of a label lands in the picture and back: the label's plane (s along the
// symbol, t along the bars, pixels, centred) is wrapped round a cylinder whose axis runs along
// the bars, turned, and seen in perspective.

#include <array>
#include <random>

namespace bench {

struct Point {
    double x = 0, y = 0;
};

class SurfaceMap {
public:
    // `radius` 0 keeps the label flat; `perspective` is the largest shift of the view's corners
    // as a share of `size` (half the label's largest extent).
    SurfaceMap(double radius, double tilt, double perspective, double size, std::mt19937& rng);

    Point Forward(Point label) const;
    // The label point seen at `picture`; beyond the cylinder's outline, the outline.
    Point Inverse(Point picture) const;

private:
    double radius_;
    double cos_, sin_;
    std::array<double, 9> h_{}, inverse_{};  // homography and its inverse, row major
};

}  // namespace bench
