#include "Readers.h"
#include "Utf8.h"

#include "corvane_tryharder.h"

#include <memory>

namespace bench {

Reader TryHarderReader(int effort)
{
    return [effort](Grey& page) {
        const CorvaneBitmap bitmap{page.width, page.height, page.width, CorvanePixelFormat8bppGray, page.pixels.data(), CorvaneOk};
        CorvaneResults* raw = nullptr;
        CorvaneReadTryHarder(&bitmap, 0, 0, page.height, page.width, effort, &raw);
        const std::unique_ptr<CorvaneResults, decltype(&CorvaneFreeResults)> results(raw, &CorvaneFreeResults);
        std::vector<Decoded> found;
        for (int i = 0; results && i < results->count; ++i)
            found.push_back({Utf8(results->items[i].text), results->items[i].score});
        return found;
    };
}

}  // namespace bench
