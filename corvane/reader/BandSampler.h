#pragma once
// Reduces one band of rows to a row of grey samples, its dark/light threshold and its band
// string of 'x' (dark) and 'y' (light) characters.

#include "reader/OwnedBitmap.h"

#include <string>
#include <vector>

namespace corvane {

// Rows read from the top of each band, whatever its height.
inline constexpr int kRowsSampledPerBand = 4;

// Rows sampled from the band y0..y1-1: its first four, or all it has (none when empty).
inline int RowsSampled(int y0, int y1) { return y1 - y0 < kRowsSampledPerBand ? y1 - y0 : kRowsSampledPerBand; }

struct BandSamples {
    std::vector<float> samples;  // one per column
    double threshold = 0.0;
};

// Averages the first rows (at most four, never past y1) of the band y0..y1-1 into `out`.
// Returns false, sampling nothing, when the band has no rows or its rows cannot be read.
bool SampleBand(COwnedBitmap& copy, int y0, int y1, BandSamples& out);

// Averages `rows` rows of 3-byte blue-green-red pixels, `stride` bytes apart, into `out`.
void SampleRows(const std::uint8_t* scan0, std::size_t stride, int width, int rows, BandSamples& out);

// Turns per-column sums of `rows` grey levels (0..255 each) into the band's samples and threshold.
void FinishBand(const std::vector<int>& sums, int rows, BandSamples& out);

// 'x' where a sample is at or below the threshold, 'y' elsewhere.
std::u16string Binarise(const BandSamples& band);

}  // namespace corvane
