// corvane-read: finds and decodes the 1-D barcodes of image files from the command line.
#include "ImageFile.h"
#include "ReadArguments.h"

#include <corvane.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const char16_t* text)
{
    std::string out;
    for (; text && *text; ++text) {
        char32_t c = *text;
        if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (*++text - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Json(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

struct Found {
    std::string file, type, value;
    int score;
};

}  // namespace

int main(int argc, char** argv)
{
    const ParsedArguments parsed = ParseReadArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.arguments) {
        std::fprintf(stderr, "corvane-read: %s\n%s", parsed.error.c_str(), kReadUsage);
        return 2;
    }
    const ReadArguments& a = *parsed.arguments;
    if (a.help) {
        std::fputs(kReadUsage, stdout);
        return 0;
    }

    bool unreadable = false;
    std::vector<Found> found;
    for (const std::string& file : a.files) {
        const LoadedGrey loaded = LoadGrey(file);
        if (!loaded.error.empty()) {
            std::fprintf(stderr, "corvane-read: %s: %s\n", file.c_str(), loaded.error.c_str());
            unreadable = true;
            continue;
        }
        const GreyImage& image = loaded.image;
        CorvaneBitmap bitmap{image.width, image.height, image.width, CorvanePixelFormat8bppGray, image.pixels.data(), CorvaneOk};
        const Area area = a.area.value_or(Area{0, 0, image.width, image.height});
        const int count = ReadImage(&bitmap, area.x, area.y, area.height, area.width, a.scanLines, a.rotations);
        if (bitmap.lastStatus != CorvaneOk) {
            std::fprintf(stderr, "corvane-read: %s: the area %d,%d,%d,%d is not inside the %d x %d image\n", file.c_str(),
                         area.x, area.y, area.width, area.height, image.width, image.height);
            unreadable = true;
            continue;
        }
        for (int i = 0; i < count; ++i)
            found.push_back({file, Utf8(GetBarCodeType(i)), Utf8(GetBarCodeValue(i)), GetBarCodeScore(i)});
    }

    if (a.json) {
        std::string out = "[";
        for (std::size_t i = 0; i < found.size(); ++i) {
            const Found& f = found[i];
            out += (i ? ",\n " : "\n ") + std::string("{\"file\": ") + Json(f.file) + ", \"type\": " + Json(f.type) +
                   ", \"value\": " + Json(f.value) + ", \"score\": " + std::to_string(f.score) + "}";
        }
        out += found.empty() ? "]\n" : "\n]\n";
        std::fputs(out.c_str(), stdout);
    } else {
        for (const Found& f : found)
            std::printf("%s\t%s\t%s\t%d\n", f.file.c_str(), f.type.c_str(), f.value.c_str(), f.score);
    }
    if (unreadable)
        return 2;
    return found.empty() ? 1 : 0;
}
