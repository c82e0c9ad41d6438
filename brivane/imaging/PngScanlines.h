#pragma once
// The pixel data of a PNG before compression: each row packed in the chosen form and preceded by
// the filter that makes it smallest by the minimum-sum-of-absolute-differences rule.

#include "imaging/Deflate.h"
#include "imaging/PngForm.h"

#include <Magick++.h>

#include <cstdint>
#include <span>
#include <vector>

enum class PngFilter : std::uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

// Filters `row` against the row above (`above` all zero for the first row) into `out`;
// `bytesPerPixel` is the distance to the left neighbour.
void ApplyPngFilter(PngFilter filter, std::span<const std::uint8_t> row, std::span<const std::uint8_t> above,
                    std::size_t bytesPerPixel, std::uint8_t* out);

// Every row of `image` in `form`: filter type byte, then the filtered samples.
ByteBuffer FilteredScanlines(const Magick::Image& image, PngForm form);
