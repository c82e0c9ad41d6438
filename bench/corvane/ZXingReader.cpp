#include "Readers.h"

#define ZX_USE_UTF8  // text() as UTF-8
#include <ZXing/ReadBarcode.h>

namespace bench {

Reader ZXingReader(bool tryHarder)
{
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::LinearCodes);
    hints.setTryHarder(tryHarder);
    hints.setTryRotate(tryHarder);
    hints.setTryDownscale(false);  // 1.4 trips an assertion on large pages otherwise
    return [hints](Grey& page) {
        std::vector<Decoded> found;
        const ZXing::ImageView view(page.pixels.data(), page.width, page.height, ZXing::ImageFormat::Lum);
        for (const auto& r : ZXing::ReadBarcodes(view, hints))
            if (r.isValid())
                found.push_back({r.text(), -1});
        return found;
    };
}

}  // namespace bench
