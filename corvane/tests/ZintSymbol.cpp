#include "ZintSymbol.h"

#include <zint.h>

#include <memory>
#include <stdexcept>

namespace corvane::test {

RenderedSymbol RenderSymbol(int symbology, const std::string& data, int moduleWidth, int heightModules)
{
    std::unique_ptr<zint_symbol, decltype(&ZBarcode_Delete)> s(ZBarcode_Create(), &ZBarcode_Delete);
    s->symbology = symbology;
    s->scale = static_cast<float>(moduleWidth) / 2.0f;  // zint draws a module as 2 x scale pixels
    s->height = static_cast<float>(heightModules);
    s->show_hrt = 0;
    s->output_options |= BARCODE_QUIET_ZONES;
    const int rc = ZBarcode_Encode_and_Buffer(s.get(), reinterpret_cast<const unsigned char*>(data.data()),
                                              static_cast<int>(data.size()), 0);
    if (rc >= ZINT_ERROR)
        throw std::runtime_error(std::string("zint: ") + s->errtxt);
    RenderedSymbol out;
    out.width = s->bitmap_width;
    out.height = s->bitmap_height;
    out.rgb.assign(s->bitmap, s->bitmap + static_cast<std::size_t>(out.width) * out.height * 3);
    out.text = reinterpret_cast<const char*>(s->text);
    return out;
}

TestPage PageWithSymbol(const RenderedSymbol& symbol, int margin)
{
    TestPage page(symbol.width + 2 * margin, symbol.height + 2 * margin);
    page.Paste(margin, margin, symbol.rgb.data(), symbol.width, symbol.height);
    return page;
}

}  // namespace corvane::test
