#include "Readers.h"

#include "corvane.h"

namespace bench {

std::vector<std::string> ReadWithCorvane(Grey& page)
{
    CorvaneBitmap bitmap{page.width, page.height, page.width, CorvanePixelFormat8bppGray, page.pixels.data(), CorvaneOk};
    const int count = ReadImage(&bitmap, 0, 0, page.height, page.width, 20, 3);
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i) {
        std::string text;  // the corpus is ASCII
        for (const char16_t* c = GetBarCodeValue(i); *c != 0; ++c)
            text.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
        texts.push_back(std::move(text));
    }
    return texts;
}

}  // namespace bench
