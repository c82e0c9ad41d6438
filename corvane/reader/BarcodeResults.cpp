#include "reader/BarcodeResults.h"

#include "decoders/DecoderDispatch.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {

namespace {

// Shorter module strings are not worth classifying.
constexpr std::size_t kMinClassifiedLength = 20;
// Shorter texts are dropped whatever their score.
constexpr std::size_t kMinTextLength = 4;
// Two windows this close (in characters) are the same barcode.
constexpr int kMergeDistance = 10;
// A window this dark or lighter means the barcode has ended.
constexpr double kClosedDarkShare = 0.2;

}  // namespace

int ScoreText(const std::u16string& text)
{
    const auto unread = std::count(text.begin(), text.end(), u'?');
    if (unread == 0)
        return 100;
    const double share = static_cast<double>(unread) / static_cast<double>(text.size());
    return static_cast<int>(100.0 - share * 100.0);
}

void CloseFinishedResults(ReadContext& context, const std::u16string& band)
{
    for (BarcodesInfo& r : context.barcodes) {
        if (r.closed)
            continue;
        // The stored positions index the padded string; they are used here as they stand.
        std::u16string_view window;
        if (r.start >= 0 && static_cast<std::size_t>(r.start) < band.size() && r.end > r.start)
            window = std::u16string_view(band).substr(static_cast<std::size_t>(r.start),
                                                      static_cast<std::size_t>(r.end - r.start));
        const auto dark = std::count(window.begin(), window.end(), u'x');
        if (static_cast<double>(dark) <= kClosedDarkShare * static_cast<double>(window.size()))
            r.closed = true;
    }
}

void CollectResult(ReadContext& context, const std::u16string& modules, const std::u16string& typeName,
                   const std::u16string& text, const CandidatePlace& place)
{
    if (text.size() < kMinTextLength)
        return;
    const int score = ScoreText(text);
    if (score < kMinScore)
        return;

    auto& barcodes = context.barcodes;
    const int start = place.start;
    const int end = place.end;
    const auto match = std::find_if(barcodes.begin(), barcodes.end(), [&](const BarcodesInfo& r) {
        return std::abs(r.start - start) <= kMergeDistance && std::abs(r.end - end) <= kMergeDistance &&
               r.typeName == typeName && !r.closed && r.pass == context.currentPass;
    });
    BarcodesInfo record{modules, typeName, text, score, context.currentPass, false, start, end,
                        context.currentRow, place.firstBar, place.lastBar, 1};
    if (match != barcodes.end()) {
        if (match->value == text && match->row != context.currentRow) {
            ++match->bands;  // another band agrees
            match->row = context.currentRow;
        }
        // Equal scores keep the first reading; a better one replaces it at the tail.
        if (match->score >= score)
            return;
        // Appended before the old record goes, so that a failing allocation leaves the list whole.
        barcodes.push_back(std::move(record));
        barcodes.erase(match);
        return;
    }
    barcodes.push_back(std::move(record));
}

void DecodeAndCollect(ReadContext& context, const std::u16string& modules, const CandidatePlace& place)
{
    if (modules.size() < kMinClassifiedLength)
        return;
    const DecodedSymbol decoded = DecodeModuleString(modules);
    CollectResult(context, modules, decoded.typeName, decoded.text, place);
}

}  // namespace corvane
