#include "reader/BarcodeResults.h"

#include "decoders/DecoderDispatch.h"

#include <algorithm>
#include <cstdlib>

namespace corvane {

std::list<BarcodesInfo> g_barcodes;
int g_currentPass = 0;

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

void CloseFinishedResults(const std::u16string& band)
{
    for (BarcodesInfo& r : g_barcodes) {
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

void CollectResult(const std::u16string& modules, const std::u16string& typeName,
                   const std::u16string& text, int start, int end)
{
    if (text.size() < kMinTextLength)
        return;
    const int score = ScoreText(text);
    if (score < kMinScore)
        return;

    const auto match = std::find_if(g_barcodes.begin(), g_barcodes.end(), [&](const BarcodesInfo& r) {
        return std::abs(r.start - start) <= kMergeDistance && std::abs(r.end - end) <= kMergeDistance &&
               r.typeName == typeName && !r.closed && r.pass == g_currentPass;
    });
    if (match != g_barcodes.end()) {
        // Equal scores keep the first reading; a better one replaces it at the tail.
        if (match->score >= score)
            return;
        g_barcodes.erase(match);
    }
    g_barcodes.push_back({modules, typeName, text, score, g_currentPass, false, start, end});
}

void DecodeAndCollect(const std::u16string& modules, int start, int end)
{
    if (modules.size() < kMinClassifiedLength)
        return;
    const DecodedSymbol decoded = DecodeModuleString(modules);
    CollectResult(modules, decoded.typeName, decoded.text, start, end);
}

}  // namespace corvane
