#include "FoundBarcodes.h"

#include <cstdio>

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

namespace {

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

}  // namespace

std::string AsLines(const std::vector<Found>& found)
{
    std::string out;
    for (const Found& f : found)
        out += f.file + "\t" + f.type + "\t" + f.value + "\t" + std::to_string(f.score) + "\n";
    return out;
}

std::string AsJson(const std::vector<Found>& found)
{
    std::string out = "[";
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Found& f = found[i];
        out += (i ? ",\n " : "\n ") + std::string("{\"file\": ") + Json(f.file) + ", \"type\": " + Json(f.type) +
               ", \"value\": " + Json(f.value) + ", \"score\": " + std::to_string(f.score) + "}";
    }
    return out + (found.empty() ? "]\n" : "\n]\n");
}
