#include "SurfaceMap.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace bench {

namespace {

using Matrix3 = std::array<double, 9>;

Point Apply(const Matrix3& m, Point p)
{
    const double w = m[6] * p.x + m[7] * p.y + m[8];
    return {(m[0] * p.x + m[1] * p.y + m[2]) / w, (m[3] * p.x + m[4] * p.y + m[5]) / w};
}

Matrix3 Inverse3(const Matrix3& m)
{
    const double a = m[4] * m[8] - m[5] * m[7], b = m[5] * m[6] - m[3] * m[8], c = m[3] * m[7] - m[4] * m[6];
    const double det = m[0] * a + m[1] * b + m[2] * c;
    return {a / det,
            (m[2] * m[7] - m[1] * m[8]) / det,
            (m[1] * m[5] - m[2] * m[4]) / det,
            b / det,
            (m[0] * m[8] - m[2] * m[6]) / det,
            (m[2] * m[3] - m[0] * m[5]) / det,
            c / det,
            (m[1] * m[6] - m[0] * m[7]) / det,
            (m[0] * m[4] - m[1] * m[3]) / det};
}

// The homography taking the four `from` corners to the `to` corners (h33 = 1), by Gaussian
// elimination on the usual eight equations.
Matrix3 Homography(const std::array<Point, 4>& from, const std::array<Point, 4>& to)
{
    double a[8][9] = {};
    for (int i = 0; i < 4; ++i) {
        const double x = from[i].x, y = from[i].y, u = to[i].x, v = to[i].y;
        const double r0[9] = {x, y, 1, 0, 0, 0, -u * x, -u * y, u};
        const double r1[9] = {0, 0, 0, x, y, 1, -v * x, -v * y, v};
        std::copy(r0, r0 + 9, a[2 * i]);
        std::copy(r1, r1 + 9, a[2 * i + 1]);
    }
    for (int col = 0; col < 8; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 8; ++r)
            if (std::abs(a[r][col]) > std::abs(a[pivot][col]))
                pivot = r;
        std::swap(a[col], a[pivot]);
        for (int r = 0; r < 8; ++r) {
            if (r == col)
                continue;
            const double f = a[r][col] / a[col][col];
            for (int c = col; c < 9; ++c)
                a[r][c] -= f * a[col][c];
        }
    }
    Matrix3 h{};
    for (int i = 0; i < 8; ++i)
        h[static_cast<std::size_t>(i)] = a[i][8] / a[i][i];
    h[8] = 1;
    return h;
}

}  // namespace

SurfaceMap::SurfaceMap(double radius, double tilt, double perspective, double size, std::mt19937& rng)
    : radius_(radius), cos_(std::cos(tilt)), sin_(std::sin(tilt))
{
    const std::array<Point, 4> square{{{-size, -size}, {size, -size}, {size, size}, {-size, size}}};
    std::array<Point, 4> seen = square;
    std::uniform_real_distribution<double> shift(-perspective * size, perspective * size);
    for (Point& p : seen)
        p = {p.x + shift(rng), p.y + shift(rng)};
    h_ = Homography(square, seen);
    inverse_ = Inverse3(h_);
}

Point SurfaceMap::Forward(Point label) const
{
    const double x = radius_ > 0 ? radius_ * std::sin(label.x / radius_) : label.x;
    return Apply(h_, {x * cos_ - label.y * sin_, x * sin_ + label.y * cos_});
}

Point SurfaceMap::Inverse(Point picture) const
{
    const Point turned = Apply(inverse_, picture);
    const double x = turned.x * cos_ + turned.y * sin_, y = -turned.x * sin_ + turned.y * cos_;
    if (radius_ <= 0)
        return {x, y};
    return {radius_ * std::asin(std::clamp(x / radius_, -1.0, 1.0)), y};
}

}  // namespace bench
