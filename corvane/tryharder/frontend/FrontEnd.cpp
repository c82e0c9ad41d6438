#include "tryharder/FrontEnd.h"

#include <algorithm>
#include <cmath>
#include <vector>
#include <limits>

#include "decoders/BarcodeTypeCode.h"
#include "decoders/DecoderDispatch.h"
#include "tryharder/frontend/LineCandidates.h"
#include "tryharder/frontend/LinePlan.h"

namespace corvane::tryharder {

namespace {

// Pixels between a line and the parallel line that must confirm what it read.
constexpr float kConfirmOffset = 3.0f;
// How far, in modules, the symbol's first and last bars may lie from where the first line saw
// them. Along a whole symbol the parallel line finds them within a fraction of a pixel (the line
// levels are never more than a few degrees off the symbol's own tilt); a piece entering through
// the bars' tops starts several modules away.
constexpr float kConfirmSlack = 1.0f;

// A line that crosses a symbol's bars at a slant, entering through their tops and leaving through
// their bottoms, sees light on both sides of a piece of the symbol, and a piece can pass for a
// whole short symbol. A line a few pixels to the side sees another piece, starting elsewhere;
// along a whole symbol it reads the same text between the same first and last bars.
class Confirmation {
public:
    Confirmation(const GreyView& image, const PlannedLine& planned) : image_(image), planned_(planned) {}

    bool Confirms(const LineCandidate& c)
    {
        const std::u16string text = DecodeModuleString(c.modules).text;
        if (text.empty() || text.find(u'?') != std::u16string::npos) {
            return false;
        }
        const ScanLineGeometry& g = planned_.geometry;
        const float module = std::abs(c.lastEdge - c.firstEdge) / static_cast<float>(c.modules.size());
        int sides = 0;
        int confirmed = 0;
        for (int side = 0; side < 2; ++side) {
            std::vector<LineCandidate>& seen = side == 0 ? plus_ : minus_;
            ScanLineGeometry& shifted = side == 0 ? plusLine_ : minusLine_;
            if (!read_[side]) {
                const float offset = side == 0 ? kConfirmOffset : -kConfirmOffset;
                const float mid = 0.5f * static_cast<float>(g.length);
                shifted = LineThrough(image_, g.x + mid * g.dx - offset * g.dy, g.y + mid * g.dy + offset * g.dx,
                                      planned_.degrees);
                if (shifted.length > 1) {
                    ReadLineCandidates(image_, shifted, planned_.across, planned_.edgeOptions, seen);
                }
                read_[side] = true;
            }
            if (shifted.length <= 1) {
                continue;  // no room on this side of the picture
            }
            ++sides;
            // The first and last bars in picture coordinates, then along the other line.
            const auto along = [&](float edge) {
                const float x = g.x + edge * g.dx;
                const float y = g.y + edge * g.dy;
                return (x - shifted.x) * shifted.dx + (y - shifted.y) * shifted.dy;
            };
            const float first = along(c.firstEdge);
            const float last = along(c.lastEdge);
            confirmed += std::any_of(seen.begin(), seen.end(), [&](const LineCandidate& o) {
                return std::abs(o.firstEdge - first) <= kConfirmSlack * module
                       && std::abs(o.lastEdge - last) <= kConfirmSlack * module && o.modules.size() == c.modules.size()
                       && DecodeModuleString(o.modules).text == text;
            });
        }
        // Both neighbours where the picture has room for them: a line that enters a piece through
        // a wide space can share its first bar with one of them, not with both. A picture too thin
        // for any second line cannot confirm anything: there the line alone counts.
        return confirmed == sides;
    }

    // Whether the lines that confirmed share no pixel with this one, and there were two of them.
    bool Independent() const
    {
        return static_cast<float>(planned_.across) <= kConfirmOffset && plusLine_.length > 1
               && minusLine_.length > 1;
    }

private:
    const GreyView& image_;
    const PlannedLine& planned_;
    bool read_[2] = {false, false};
    ScanLineGeometry plusLine_;
    ScanLineGeometry minusLine_;
    std::vector<LineCandidate> plus_;
    std::vector<LineCandidate> minus_;
};

// Symbologies whose texts carry no check character.
bool Unchecked(BarcodeTypeCode code)
{
    return code == BarcodeCode39 || code == BarcodeCodabar || code == BarcodeInterleaved25
           || code == BarcodeIndustrial25 || code == BarcodeMatrix25;
}

// Emits the candidates of one line; returns false when the sink stops.
bool ReadLine(const GreyView& image, const PlannedLine& planned, std::vector<LineCandidate>& candidates,
              const std::function<bool(const LineRead&)>& sink)
{
    ReadLineCandidates(image, planned.geometry, planned.across, planned.edgeOptions, candidates);
    Confirmation confirmation(image, planned);
    const ScanLineGeometry& g = planned.geometry;
    for (LineCandidate& c : candidates) {
        LineRead read;
        read.marginBefore = c.marginBefore;
        read.marginAfter = c.marginAfter;
        // A tilted line crosses the ends of bars, text and pictures far more often than a row or
        // column does: there only a stretch with quiet zones on both sides counts as a symbol.
        if (planned.angled && (!read.QuietBefore() || !read.QuietAfter())) {
            continue;
        }
        // Pieces of a tilted symbol pass for whole ones most easily where no check character
        // catches them, and anywhere on a tilted line. Through heavy noise a Code 11 line can
        // gain a character: a 0 added to digits whose sum is a multiple of eleven passes both
        // its check characters.
        const BarcodeTypeCode type = DetectBarcodeType(c.modules);
        if (planned.angled || Unchecked(type) || (planned.edgeOptions.noiseFloor && type == BarcodeCode11)) {
            if (!confirmation.Confirms(c)) {
                continue;
            }
            read.confirmed = confirmation.Independent();
        }
        // Positions along the line are sample indices; sample i lies on the line's origin + i.
        read.x0 = g.x + c.firstEdge * g.dx;
        read.y0 = g.y + c.firstEdge * g.dy;
        read.x1 = g.x + c.lastEdge * g.dx;
        read.y1 = g.y + c.lastEdge * g.dy;
        read.modules = std::move(c.modules);
        read.line = planned.id;
        read.angled = planned.angled;
        if (!sink(read)) {
            return false;
        }
    }
    return true;
}

}  // namespace

int FrontEndLevels() { return kFrontEndLevels; }

void ScanFrontEnd(const GreyView& image, int level, const std::function<bool(const LineRead&)>& sink)
{
    ScanFrontEnd(image, level, std::numeric_limits<int>::max(), sink);
}

void ScanFrontEnd(const GreyView& image, int level, int lines, const std::function<bool(const LineRead&)>& sink)
{
    if (image.pixels == nullptr || image.width < 1 || image.height < 1 || image.stride < image.width
        || level < 1 || level > kFrontEndLevels || lines < 1) {
        return;
    }
    std::vector<LineCandidate> candidates;
    int read = 0;
    for (const PlannedLine& planned : PlanLines(image, level)) {
        if (read++ == lines || !ReadLine(image, planned, candidates, sink)) {
            return;
        }
    }
}

}  // namespace corvane::tryharder
