#pragma once
// An image file decoded with stb_image, which reads PNG, JPEG, BMP, GIF, TGA and PNM without
// further dependencies. Grey files stay 8-bit grey; colour files become 24-bit blue-green-red, so
// the library turns colour into grey its own way and reads what a program handing it the same
// pixels would read.

#include <corvane.h>

#include <string>
#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    int pixelFormat = CorvanePixelFormat8bppGray;  // or CorvanePixelFormat24bppRGB
    std::vector<unsigned char> pixels;             // rows packed, top row first
};

struct LoadedImage {
    DecodedImage image;
    std::string error;  // why the file could not be read; "" on success
};

LoadedImage LoadImage(const std::string& path);

// A bitmap over the image's pixels; valid while the image lives.
CorvaneBitmap BitmapOf(const DecodedImage& image);
