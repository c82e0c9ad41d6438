#include "Readers.h"

#include <zbar.h>

#include <memory>

namespace bench {

using namespace zbar;  // the C interface lives in this namespace when compiled as C++

Reader ZBarReader()
{
    std::shared_ptr<zbar_image_scanner_t> scanner(zbar_image_scanner_create(), &zbar_image_scanner_destroy);
    zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    return [scanner](Grey& page) {
        std::unique_ptr<zbar_image_t, decltype(&zbar_image_destroy)> image(zbar_image_create(), &zbar_image_destroy);
        zbar_image_set_format(image.get(), zbar_fourcc('Y', '8', '0', '0'));
        zbar_image_set_size(image.get(), static_cast<unsigned>(page.width), static_cast<unsigned>(page.height));
        zbar_image_set_data(image.get(), page.pixels.data(), page.pixels.size(), nullptr);
        std::vector<Decoded> found;
        if (zbar_scan_image(scanner.get(), image.get()) > 0)
            for (const zbar_symbol_t* s = zbar_image_first_symbol(image.get()); s != nullptr; s = zbar_symbol_next(s))
                found.push_back({zbar_symbol_get_data(s), -1});
        return found;
    };
}

}  // namespace bench
