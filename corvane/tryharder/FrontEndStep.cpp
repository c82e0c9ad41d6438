#include "tryharder/FrontEndStep.h"

#include "corvane_tryharder.h"
#include "decoders/DecoderDispatch.h"
#include "reader/BarcodeResults.h"
#include "tryharder/BandStep.h"
#include "tryharder/FrontEnd.h"

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
        // The front end knows whether ten modules are light; shorter margins, and whether they
        // end at the image's edge, are measured here.
        const auto [before, after] =
            MarginsOf(placed.image, BandLine{read.x0, read.y0, read.x1, read.y1}, read.modules.size());
        reading.before = read.quietBefore ? Margin{kQuietZoneModules, false} : before;
        reading.after = read.quietAfter ? Margin{kQuietZoneModules, false} : after;
        reading.line = read.line;
        acceptance.Offer(reading);
        return true;
    });
}

}  // namespace corvane::tryharder
