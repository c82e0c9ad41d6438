#pragma once
// A float image (0 = black, 255 = white) and the camera's ways of spoiling it: blur, light,
// noise and JPEG. Each takes its randomness from the caller's seeded generator.

#include "Readers.h"

#include <cstddef>
#include <random>
#include <vector>

namespace bench {

struct Plane {
    int width = 0;
    int height = 0;
    std::vector<float> v;

    Plane() = default;
    Plane(int w, int h, float fill = 0) : width(w), height(h), v(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
    float& at(int x, int y) { return v[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    float at(int x, int y) const { return v[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    // Bilinear, the border repeated beyond the edges.
    float Sample(float x, float y) const;
};

// Gaussian blur (lens and sensor), separable.
void GaussianBlur(Plane& p, double sigma);
// Defocus: a disk of this radius, its edge pixels weighted by how much of them it covers.
void DiskBlur(Plane& p, double radius);
// Motion: a straight path of this length in pixels at this angle (radians).
void MotionBlur(Plane& p, double length, double angle);

// Read noise of `sigma` plus shot noise growing with the square root of the light.
void AddNoise(Plane& p, double sigma, std::mt19937& rng);

// Rounded and clipped to 8 bits.
Grey ToGrey(const Plane& p);
// Encoded as a grey JPEG at this quality (1..100) with stb_image_write and decoded with stb_image.
Grey JpegRoundTrip(const Grey& page, int quality);

}  // namespace bench
