#include "ImageFile.h"

#include <stb_image.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

namespace {

constexpr long long kMaxPixels = 400'000'000;

struct StbFree {
    void operator()(unsigned char* p) const { stbi_image_free(p); }
};

}  // namespace

LoadedGrey LoadGrey(const std::string& path)
{
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status))
        return {{}, "no such file"};
    if (std::filesystem::is_directory(status))
        return {{}, "is a directory"};
    int w = 0, h = 0, channels = 0;
    // Refuse what the header says is huge before anything is allocated for it.
    if (stbi_info(path.c_str(), &w, &h, &channels) && static_cast<long long>(w) * h > kMaxPixels)
        return {{}, "the image is larger than " + std::to_string(kMaxPixels / 1'000'000) + " megapixels"};
    const std::unique_ptr<unsigned char, StbFree> data(stbi_load(path.c_str(), &w, &h, &channels, 1));
    if (!data) {
        const char* reason = stbi_failure_reason();
        return {{}, std::string("not a readable image (") + (reason ? reason : "unknown") + ")"};
    }
    if (w <= 0 || h <= 0)
        return {{}, "the image has no pixels"};
    GreyImage image{w, h, {}};
    image.pixels.assign(data.get(), data.get() + static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    return {std::move(image), {}};
}
