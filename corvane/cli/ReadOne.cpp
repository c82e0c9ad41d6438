#include "ReadOne.h"

#include <corvane.h>
#include <corvane_tryharder.h>

#include <memory>
#include <string>

namespace {

struct FreeResults {
    void operator()(CorvaneResults* r) const { CorvaneFreeResults(r); }
};

std::string Refusal(int status, const Area& area, const DecodedImage& image)
{
    if (status == CorvaneOutOfMemory)
        return "out of memory";
    return "the area " + std::to_string(area.x) + "," + std::to_string(area.y) + "," + std::to_string(area.width) + "," +
           std::to_string(area.height) + " is not inside the " + std::to_string(image.width) + " x " +
           std::to_string(image.height) + " image";
}

}  // namespace

ReadOutcome ReadOne(const std::string& file, const DecodedImage& image, const ReadArguments& a)
{
    CorvaneBitmap bitmap = BitmapOf(image);
    const Area area = a.area.value_or(Area{0, 0, image.width, image.height});
    ReadOutcome out;
    if (a.effort) {
        CorvaneResults* raw = nullptr;
        const int status = CorvaneReadTryHarder(&bitmap, area.x, area.y, area.height, area.width, *a.effort, &raw);
        const std::unique_ptr<CorvaneResults, FreeResults> results(raw);
        if (status != CorvaneOk || !results)
            return {{}, Refusal(status, area, image)};
        for (int i = 0; i < results->count; ++i) {
            const CorvaneResult& r = results->items[i];
            out.found.push_back({file, Utf8(r.type), Utf8(r.text), r.score});
        }
        return out;
    }
    const int count = ReadImage(&bitmap, area.x, area.y, area.height, area.width, a.scanLines, a.rotations);
    if (bitmap.lastStatus != CorvaneOk)
        return {{}, Refusal(bitmap.lastStatus, area, image)};
    for (int i = 0; i < count; ++i)
        out.found.push_back({file, Utf8(GetBarCodeType(i)), Utf8(GetBarCodeValue(i)), GetBarCodeScore(i)});
    return out;
}
