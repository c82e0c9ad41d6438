#pragma once
// The caller's area read in place, as it looks after a number of quarter turns clockwise.
// Sampling a band of the turned area reads only the pixels the band needs, where turning a
// copy would move every pixel of the page once per pass.

#include "corvane.h"
#include "reader/BandSampler.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace corvane {

class COrientedArea {
public:
    // The area (x, y, width, height) of `source`; checked exactly as COwnedBitmap::CloneArea
    // checks it, with the same status recorded in source.lastStatus on failure.
    static std::optional<COrientedArea> Open(CorvaneBitmap& source, int x, int y, int width, int height);

    // Quarter turns clockwise from the caller's orientation; four turns are none.
    void SetTurns(int turns);

    int Width() const { return turns_ % 2 == 0 ? width_ : height_; }
    int Height() const { return turns_ % 2 == 0 ? height_ : width_; }

    // Averages `rows` rows from y0 of the turned area, as SampleRows does for 24-bit rows.
    void SampleRows(int y0, int rows, BandSamples& out) const;

private:
    COrientedArea(const std::uint8_t* origin, std::ptrdiff_t stride, int bytesPerPixel, int width, int height);

    const std::uint8_t* origin_;  // top-left pixel of the area
    std::ptrdiff_t stride_;
    int bytesPerPixel_;
    int width_;   // of the area as the caller gave it
    int height_;
    int turns_ = 0;
};

}  // namespace corvane
