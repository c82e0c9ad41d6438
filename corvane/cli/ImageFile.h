#pragma once
// An image file decoded to 8-bit grey with stb_image, which reads PNG, JPEG, BMP, GIF, TGA and
// PNM without further dependencies.

#include <string>
#include <vector>

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // width * height, top row first
};

struct LoadedGrey {
    GreyImage image;
    std::string error;  // why the file could not be read; "" on success
};

LoadedGrey LoadGrey(const std::string& path);
