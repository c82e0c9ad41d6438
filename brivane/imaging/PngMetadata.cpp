#include "imaging/PngMetadata.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <string_view>

namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);

// Chunks that describe the image rather than its pixel layout, so a crop's are the whole
// image's. bKGD is layout-dependent (its form follows the colour type) and is kept as a
// placeholder for the writer to fill.
constexpr std::array<std::string_view, 11> kCopied{"pHYs", "iCCP", "sRGB", "gAMA", "cHRM", "tIME",
                                                    "tEXt", "zTXt", "iTXt", "eXIf", "bKGD"};
// The layout of the crop itself; the writer makes its own.
constexpr std::array<std::string_view, 4> kLayout{"IHDR", "PLTE", "tRNS", "IEND"};

bool In(std::string_view type, std::span<const std::string_view> list)
{
    return std::find(list.begin(), list.end(), type) != list.end();
}

std::uint32_t ReadBe32(const std::string& s, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

// The chunks of a whole PNG file; nullopt when it is not one.
std::optional<std::vector<PngChunk>> ParsePngChunks(const std::string& file)
{
    if (file.compare(0, kSignature.size(), kSignature) != 0)
        return std::nullopt;
    std::vector<PngChunk> chunks;
    std::size_t at = kSignature.size();
    while (at + 12 <= file.size()) {
        const std::size_t length = ReadBe32(file, at);
        if (length > file.size() - at - 12)
            return std::nullopt;
        PngChunk chunk;
        std::memcpy(chunk.type.data(), file.data() + at + 4, 4);
        chunk.data = file.substr(at + 8, length);
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    if (at != file.size() || chunks.empty())
        return std::nullopt;
    return chunks;
}

}  // namespace

std::optional<PngMetadata> CoderMetadata(const Magick::Image& image, PngForm form)
{
    Magick::Image crop = image;  // shares the pixels; the crop makes a new one-pixel image
    crop.crop(Magick::Geometry(1, 1, 0, 0));
    // A canvas the size of the image is no canvas; it stays so for the crop, and any other
    // canvas makes the coder write chunks that tell the two apart.
    Magick::Geometry page = image.page();
    if (page.width() == image.columns() && page.height() == image.rows()) {
        page.width(0);
        page.height(0);
    }
    crop.page(page);
    // One pixel would often be written as grey or a palette, which for instance cannot carry an
    // RGB ICC profile; the whole image's colour type can.
    crop.defineValue("png", "color-type", std::to_string(static_cast<int>(form.colourType)));
    crop.magick("PNG");
    Magick::Blob blob;
    crop.write(&blob);
    const auto chunks = ParsePngChunks(std::string(static_cast<const char*>(blob.data()), blob.length()));
    if (!chunks)
        return std::nullopt;
    PngMetadata metadata;
    bool afterData = false;
    for (const PngChunk& chunk : *chunks) {
        const std::string_view type(chunk.type.data(), chunk.type.size());
        if (type == "IDAT")
            afterData = true;
        else if (In(type, kCopied))
            (afterData ? metadata.afterData : metadata.beforeData).push_back(chunk);
        else if (!In(type, kLayout))
            return std::nullopt;
    }
    return metadata;
}
