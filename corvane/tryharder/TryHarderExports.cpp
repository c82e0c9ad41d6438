// The two exported entry points of libcorvane_tryharder.so. Every call owns its results, so
// calls from different threads never meet.

#include "corvane_tryharder.h"
#include "reader/OwnedBitmap.h"
#include "tryharder/Ladder.h"

#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

// The list handed to the caller, with the storage its pointers point into.
struct OwnedResults : CorvaneResults {
    std::vector<std::u16string> types;
    std::vector<std::u16string> texts;
    std::vector<CorvaneResult> results;
};

std::unique_ptr<OwnedResults> ToOwnedResults(const std::vector<corvane::tryharder::Finding>& findings)
{
    auto owned = std::make_unique<OwnedResults>();
    for (const auto& f : findings) {
        owned->types.push_back(f.type);
        owned->texts.push_back(f.text);
    }
    // Pointers are taken once the strings no longer move.
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const auto& f = findings[i];
        owned->results.push_back(
            {owned->types[i].c_str(), owned->texts[i].c_str(), f.score, f.x0, f.y0, f.x1, f.y1, f.step});
    }
    owned->count = static_cast<int>(owned->results.size());
    owned->items = owned->results.data();
    return owned;
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int CorvaneReadTryHarder(const CorvaneBitmap* bitmap, int x, int y,
                                                                int height, int width, int effort,
                                                                CorvaneResults** results)
{
    if (results == nullptr)
        return CorvaneInvalidParameter;
    *results = nullptr;
    if (bitmap == nullptr || effort < CORVANE_EFFORT_MIN || effort > CORVANE_EFFORT_MAX ||
        !corvane::IsValidArea(*bitmap, x, y, width, height))
        return CorvaneInvalidParameter;
    try {
        const auto findings = effort == 0 ? corvane::tryharder::ReadAsBands(*bitmap, x, y, height, width)
                                          : corvane::tryharder::ReadWithSteps(*bitmap, x, y, height, width,
                                                                              corvane::tryharder::StepsFor(effort));
        *results = ToOwnedResults(findings).release();
        return CorvaneOk;
    } catch (const std::bad_alloc&) {
        return CorvaneOutOfMemory;
    }
}

__attribute__((visibility("default"))) void CorvaneFreeResults(CorvaneResults* results)
{
    // Every list handed out is an OwnedResults.
    std::unique_ptr<OwnedResults> owned(static_cast<OwnedResults*>(results));
}

}  // extern "C"
