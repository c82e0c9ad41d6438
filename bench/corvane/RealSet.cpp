#include "Samples.h"

#include <stb_image.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string_view>
#include <vector>

namespace bench {

namespace fs = std::filesystem;

namespace {

// The real set's folder prefixes and the symbology each holds.
struct FolderKind {
    std::string_view prefix;
    std::string_view symbology;  // as kSymbologies names it
};

constexpr FolderKind kFolders[] = {
    {"codabar", "Codabar"}, {"code128", "Code 128"}, {"code39", "Code 39"}, {"ean13", "EAN-13"},
    {"ean8", "EAN-8"},      {"itf", "Interleaved 2 of 5"}, {"upca", "UPC-A"}, {"upce", "UPC-E"},
};

const Symbology* SymbologyOf(const std::string& folder)
{
    for (const FolderKind& k : kFolders)
        if (folder.rfind(k.prefix, 0) == 0 && folder.size() > k.prefix.size() && folder[k.prefix.size()] == '-')
            for (const Symbology& s : kSymbologies)
                if (k.symbology == s.name)
                    return &s;
    return nullptr;
}

std::string ReadTrimmed(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

// The set's text in the form zint prints under the symbol, which the conventions start from.
std::string AsZintText(const Symbology& s, std::string text)
{
    if (IsRetail(s.name))  // digits only: a stray space is no data
        std::erase(text, ' ');
    if (std::string_view(s.name) == "Code 39")
        return "*" + text + "*";
    if (std::string_view(s.name) == "UPC-E")  // kept as the set writes it; Accepts compares
        return text;
    if (std::string_view(s.name) == "UPC-A" && text.size() == 13 && text[0] == '0')
        return text.substr(1);
    return text;
}

// Grey as Corvane makes it from colour, (r + g + b) / 3, so its reading matches corvane-read's.
bool LoadGrey(const fs::path& path, Grey& grey)
{
    int w = 0, h = 0, channels = 0;
    const std::unique_ptr<unsigned char, decltype(&stbi_image_free)> rgb(stbi_load(path.c_str(), &w, &h, &channels, 3), &stbi_image_free);
    if (!rgb)
        return false;
    grey = {w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * static_cast<std::size_t>(h))};
    for (std::size_t i = 0; i < grey.pixels.size(); ++i)
        grey.pixels[i] = static_cast<std::uint8_t>((rgb.get()[3 * i] + rgb.get()[3 * i + 1] + rgb.get()[3 * i + 2]) / 3);
    return true;
}

}  // namespace

bool ForEachRealImage(const std::string& dir, const SampleSink& sink)
{
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return false;
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::recursive_directory_iterator(dir, ec))
        if (entry.path().extension() == ".png" && fs::exists(fs::path(entry.path()).replace_extension(".txt")))
            pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    for (const fs::path& picture : pictures) {
        const std::string folder = picture.parent_path().filename().string();
        const Symbology* symbology = SymbologyOf(folder);
        Sample sample;
        if (!symbology || !LoadGrey(picture, sample.page))
            continue;
        sample.set = "real";
        sample.group = folder;
        sample.symbology = symbology->name;
        sample.id = folder + "/" + picture.filename().string();
        const std::string text = ReadTrimmed(fs::path(picture).replace_extension(".txt"));
        sample.upcE = std::string_view(symbology->name) == "UPC-E";
        for (const ReaderFamily f : {ReaderFamily::Corvane, ReaderFamily::ZXing, ReaderFamily::ZBar})
            sample.expected[static_cast<std::size_t>(f)] = Expected(AsZintText(*symbology, text), symbology->For(f));
        sink(sample);
    }
    return true;
}

std::string ExpandUpcE(const std::string& e)
{
    if (e.size() != 8 || !std::all_of(e.begin(), e.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "";
    const std::string d = e.substr(1, 6);
    std::string manufacturer, product;
    switch (d[5]) {
    case '0': case '1': case '2': manufacturer = d.substr(0, 2) + d[5] + "00"; product = "00" + d.substr(2, 3); break;
    case '3': manufacturer = d.substr(0, 3) + "00"; product = "000" + d.substr(3, 2); break;
    case '4': manufacturer = d.substr(0, 4) + "0"; product = "0000" + d.substr(4, 1); break;
    default: manufacturer = d.substr(0, 5); product = "0000" + d.substr(5, 1); break;
    }
    return e.substr(0, 1) + manufacturer + product + e.substr(7, 1);
}

bool Accepts(const Sample& sample, ReaderFamily family, const std::string& text)
{
    const std::string& expected = sample.expected[static_cast<std::size_t>(family)];
    if (expected.empty())
        return false;
    if (text == expected)
        return true;
    // ZBar adds a 2- or 5-digit add-on to a retail code's digits; the code itself was read.
    const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (IsRetail(sample.symbology) && digits && text.size() > expected.size() && text.compare(0, expected.size(), expected) == 0 &&
        (text.size() - expected.size() == 2 || text.size() - expected.size() == 5))
        return true;
    // UPC-E may be reported as its own 8 digits or as the 13-digit UPC-A expansion.
    return sample.upcE && text.size() == 8 && expected.size() == 13 && expected[0] == '0' &&
           expected.compare(1, std::string::npos, ExpandUpcE(text)) == 0;
}

}  // namespace bench
