#pragma once
// A white page of 24-bit blue-green-red pixels that tests draw bars and symbols on, and the
// CorvaneBitmap that views it.

#include "corvane.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace corvane::test {

class TestPage {
public:
    TestPage(int width, int height, std::uint8_t grey = 255);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(int x, int y, int w, int h, std::uint8_t grey);
    void SetPixel(int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r);

    // Draws a module string ('1' dark, '0' light) left to right from (x, y), each module
    // `moduleWidth` pixels wide and the bars `height` rows high.
    void DrawModules(int x, int y, const std::u16string& modules, int moduleWidth, int height,
                     std::uint8_t dark = 0);

    // Copies an RGB image (3 bytes a pixel, red first, rows packed) to (x, y).
    void Paste(int x, int y, const std::uint8_t* rgb, int w, int h);

    // The page turned 90 degrees clockwise `quarterTurns` times.
    TestPage Turned(int quarterTurns) const;

    // Views the page in 24-bit format, or converted into another of the supported formats.
    CorvaneBitmap Bitmap();
    CorvaneBitmap BitmapAs(int pixelFormat);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bgr_;
    std::vector<std::uint8_t> converted_;
};

// Clutter for a page: `count` grey boxes of random shade, up to 9 x 40 pixels, at random places.
void AddGreyBoxes(TestPage& page, std::mt19937& rng, int count);

}  // namespace corvane::test
