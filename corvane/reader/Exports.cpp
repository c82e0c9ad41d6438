// The four exported entry points. They share one read's results, so they run one at a time.

#include "corvane.h"
#include "reader/BarcodeResults.h"
#include "reader/ScanDriver.h"

#include <iterator>
#include <mutex>

namespace {

std::mutex g_exportsMutex;
// The results of the last ReadImage, which the getters hand out; guarded by g_exportsMutex.
corvane::ReadContext g_lastRead;

// The record at `index` in list order, or null outside 0..count-1.
const corvane::BarcodesInfo* RecordAt(int index)
{
    const auto& barcodes = g_lastRead.barcodes;
    if (index < 0 || static_cast<std::size_t>(index) >= barcodes.size())
        return nullptr;
    return &*std::next(barcodes.begin(), index);
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) int ReadImage(CorvaneBitmap* bitmap, int x, int y, int height,
                                                     int width, int scanLines, int rotations)
{
    std::lock_guard lock(g_exportsMutex);
    return corvane::ReadImageInto(g_lastRead, bitmap, x, y, height, width, scanLines, rotations);
}

__attribute__((visibility("default"))) const char16_t* GetBarCodeType(int index)
{
    std::lock_guard lock(g_exportsMutex);
    const auto* r = RecordAt(index);
    return r ? r->typeName.c_str() : u"";
}

__attribute__((visibility("default"))) const char16_t* GetBarCodeValue(int index)
{
    std::lock_guard lock(g_exportsMutex);
    const auto* r = RecordAt(index);
    return r ? r->value.c_str() : u"";
}

__attribute__((visibility("default"))) int GetBarCodeScore(int index)
{
    std::lock_guard lock(g_exportsMutex);
    const auto* r = RecordAt(index);
    return r ? r->score : 0;
}

}  // extern "C"
