#include "Readers.h"
#include "Utf8.h"

#include "corvane.h"

namespace bench {

std::vector<Decoded> ReadWithCorvane(Grey& page)
{
    CorvaneBitmap bitmap{page.width, page.height, page.width, CorvanePixelFormat8bppGray, page.pixels.data(), CorvaneOk};
    const int count = ReadImage(&bitmap, 0, 0, page.height, page.width, 20, 3);
    std::vector<Decoded> found;
    for (int i = 0; i < count; ++i)
        found.push_back({Utf8(GetBarCodeValue(i)), GetBarCodeScore(i)});
    return found;
}

}  // namespace bench
