#include "ZintModules.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <memory>

namespace corvane::test {

ZintModules EncodeWithZint(int symbology, const std::string& data)
{
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = symbology;
    ZintModules out;
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.data()),
                        static_cast<int>(data.size())) >= ZINT_ERROR) {
        ADD_FAILURE() << data << ": " << symbol->errtxt;
        return out;
    }
    // EAN and UPC guard bars are taller; the first row holds every module.
    for (int x = 0; x < symbol->width; ++x) {
        out.modules += ((symbol->encoded_data[0][x >> 3] >> (x & 7)) & 1) != 0 ? u'1' : u'0';
    }
    // Codabar ends with a gap that is no part of a module string.
    out.modules.erase(out.modules.find_last_of(u'1') + 1);
    out.text = reinterpret_cast<const char*>(symbol->text);
    return out;
}

}  // namespace corvane::test
