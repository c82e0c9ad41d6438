#pragma once
// The fine front end of the try-harder reader: it walks scan lines across a grey image and turns
// each stretch that looks like a barcode into module strings for the same decoders ReadImage uses.

#include <cstdint>
#include <functional>
#include <string>

namespace corvane::tryharder {

// An 8-bit grey image the front end only reads.
struct GreyView {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // bytes from one row to the next
};

// One candidate symbol on one scan line.
struct LineRead {
    std::u16string modules;  // '1' per bar module, '0' per space module, first bar to last bar
    float x0 = 0, y0 = 0;    // outer edge of the first bar, in the view's pixels
    float x1 = 0, y1 = 0;    // outer edge of the last bar
    int line = 0;            // scan line id: alternatives read from one stretch share it
    float marginBefore = 0;    // light before the first bar, in the narrow elements nearest it (0 at the line's end)
    float marginAfter = 0;     // and after the last
    bool angled = false;       // found on a tilted scan line (not along rows or columns)
    // Read the same, between the same end bars, by parallel lines on both sides that share no
    // pixel with this one: as good as a second scan line.
    bool confirmed = false;

    // Light for at least ten modules before the first bar, and after the last.
    bool QuietBefore() const { return marginBefore >= kQuietMargin; }
    bool QuietAfter() const { return marginAfter >= kQuietMargin; }
    static constexpr float kQuietMargin = 10.0f;
};

// Number of front-end levels; level 1 is the cheapest.
int FrontEndLevels();

// Calls `sink` for every candidate the scan lines of `level` produce. The sink returns false to
// stop the walk early.
void ScanFrontEnd(const GreyView& image, int level, const std::function<bool(const LineRead&)>& sink);

// The same, reading only the first `lines` scan lines of the level. A level reads the lines
// nearest the middle of the picture first, where most symbols are.
void ScanFrontEnd(const GreyView& image, int level, int lines, const std::function<bool(const LineRead&)>& sink);

}  // namespace corvane::tryharder
