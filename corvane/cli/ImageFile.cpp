#include "ImageFile.h"

#include <stb_image.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <utility>

namespace {

constexpr long long kMaxPixels = 400'000'000;

struct StbFree {
    void operator()(unsigned char* p) const { stbi_image_free(p); }
};

}  // namespace

LoadedImage LoadImage(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return {{}, "no such file"};
    if (std::filesystem::is_directory(status))
        return {{}, "is a directory"};
    int w = 0, h = 0, channels = 0;
    // Refuse what the header says is huge before anything is allocated for it.
    const bool known = stbi_info(path.c_str(), &w, &h, &channels);
    if (known && static_cast<long long>(w) * h > kMaxPixels)
        return {{}, "the image is larger than " + std::to_string(kMaxPixels / 1'000'000) + " megapixels"};
    // Grey with or without alpha stays grey; anything with colour (palettes included) comes as
    // RGB. Alpha is dropped, as the library ignores it too.
    const int wanted = known && channels <= 2 ? 1 : 3;
    const std::unique_ptr<unsigned char, StbFree> data(stbi_load(path.c_str(), &w, &h, &channels, wanted));
    if (!data) {
        const char* reason = stbi_failure_reason();
        return {{}, std::string("not a readable image (") + (reason ? reason : "unknown") + ")"};
    }
    if (w <= 0 || h <= 0)
        return {{}, "the image has no pixels"};
    DecodedImage image{w, h, wanted == 1 ? CorvanePixelFormat8bppGray : CorvanePixelFormat24bppRGB, {}};
    image.pixels.assign(data.get(), data.get() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * wanted);
    if (wanted == 3)  // stb gives red, green, blue; the library takes blue, green, red
        for (std::size_t i = 0; i < image.pixels.size(); i += 3)
            std::swap(image.pixels[i], image.pixels[i + 2]);
    return {std::move(image), {}};
}

CorvaneBitmap BitmapOf(const DecodedImage& image)
{
    const int bytesPerPixel = image.pixelFormat == CorvanePixelFormat24bppRGB ? 3 : 1;
    return {image.width, image.height, image.width * bytesPerPixel, image.pixelFormat, image.pixels.data(), CorvaneOk};
}
