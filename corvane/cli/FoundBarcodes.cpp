#include "FoundBarcodes.h"

#include <cstdio>

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
