#include "tryharder/FrontEndStep.h"

#include "corvane_tryharder.h"
#include "decoders/DecoderDispatch.h"
#include "reader/BarcodeResults.h"
#include "tryharder/BandStep.h"
#include "tryharder/FrontEnd.h"

#include <algorithm>
#include <limits>


namespace corvane::tryharder {

void OfferFrontEndReadings(const PlacedImage& placed, int level, int lines, Acceptance& acceptance)
{
    const int limit = lines > 0 ? lines : std::numeric_limits<int>::max();
    ScanFrontEnd(placed.image.View(), level, limit, [&](const LineRead& read) {
        const DecodedSymbol decoded = DecodeModuleString(read.modules);
        if (decoded.text.empty())
            return true;
        Reading reading;
        reading.modules = read.modules;
        reading.finding = {decoded.typeName,
                           decoded.text,
                           ScoreText(decoded.text),
                           placed.CallerX(read.x0),
                           placed.CallerY(read.y0),
                           placed.CallerX(read.x1),
                           placed.CallerY(read.y1),
                           read.angled ? CorvaneStepAngled : CorvaneStepScanLines};
        // The front end counts the light beside a symbol in the modules nearest it; whether the
        // light runs into the image's edge is measured here, and the larger count holds.
        const auto [before, after] =
            MarginsOf(placed.image, BandLine{read.x0, read.y0, read.x1, read.y1}, read.modules.size());
        const auto wider = [](Margin measured, float seen) {
            if (seen > measured.modules) {
                return Margin{std::min(kQuietZoneModules, static_cast<double>(seen)), false};
            }
            return measured;
        };
        reading.before = wider(before, read.marginBefore);
        reading.after = wider(after, read.marginAfter);
        reading.line = read.line;
        reading.lines = read.confirmed ? 3 : 1;
        acceptance.Offer(reading);
        return true;
    });
}

}  // namespace corvane::tryharder
