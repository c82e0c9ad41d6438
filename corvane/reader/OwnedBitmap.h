#pragma once
// The library's own pixel layer: a copy of an area of the caller's bitmap, kept in the
// caller's pixel format, that can be turned a quarter turn and read back as 24-bit
// blue-green-red rows. A failing step records its status where the caller can see it:
// the area copy in the caller's bitmap, later steps in the copy's own status.

#include "corvane.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane {

// Bytes per pixel of a supported pixel format, 0 for any other value.
int BytesPerPixel(int pixelFormat);

// Whether (x, y, width, height) is a non-empty area inside `source`, whose pixel format is
// supported and whose stride holds a row.
bool IsValidArea(const CorvaneBitmap& source, int x, int y, int width, int height);

class COwnedBitmap {
public:
    // Copies the area (x, y, width, height) of `source`, keeping its pixel format. On failure
    // records the status in source.lastStatus and returns nothing.
    static std::optional<COwnedBitmap> CloneArea(CorvaneBitmap& source, int x, int y, int width,
                                                 int height);

    // Turns the copy 90 degrees clockwise; width and height swap.
    bool RotateQuarterClockwise();

    int Width() const { return width_; }
    int Height() const { return height_; }
    int PixelFormat() const { return format_; }

    // Rows y0 .. y0 + count - 1 as 3-byte blue, green, red pixels, `stride` bytes apart.
    struct Rows24 {
        const std::uint8_t* scan0;
        std::size_t stride;
    };
    // The view stays valid until the next call on this object. Nothing on failure.
    std::optional<Rows24> LockRows24(int y0, int count);

    int lastStatus = CorvaneOk;

private:
    COwnedBitmap(int width, int height, int format);

    int width_;
    int height_;
    int format_;
    int bytesPerPixel_;
    std::vector<std::uint8_t> pixels_;     // tightly packed rows
    std::vector<std::uint8_t> converted_;  // rows handed out when the format is not 24-bit
};

}  // namespace corvane
