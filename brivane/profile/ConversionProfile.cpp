#include "profile/ConversionProfile.h"

#include "profile/IniFile.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSection = "MYPROFILE";
constexpr std::string_view kFileName = "mysetting.ini";

enum class Form { Text, Int, Flag, ColourByte };

// One key of the settings file and the member it fills. A colour byte is the byte of
// GIFTranColor at `shift`.
struct Key {
    std::string_view name;
    Form form;
    std::string ConversionProfile::*text = nullptr;
    int ConversionProfile::*number = nullptr;
    int shift = 0;
};

constexpr Key Text(std::string_view n, std::string ConversionProfile::*m) { return {n, Form::Text, m}; }
constexpr Key Int(std::string_view n, int ConversionProfile::*m) { return {n, Form::Int, nullptr, m}; }
constexpr Key Flag(std::string_view n, int ConversionProfile::*m) { return {n, Form::Flag, nullptr, m}; }
constexpr Key Colour(std::string_view n, int shift) { return {n, Form::ColourByte, nullptr, nullptr, shift}; }

using P = ConversionProfile;

// Every key, in the order in which it is loaded and saved.
constexpr std::array<Key, 43> kKeys{{
    Text("Prefix", &P::Prefix),
    Text("Suffix", &P::Suffix),
    Flag("OverWrite", &P::OverWrite),
    Flag("OpenFolder", &P::OpenFolder),
    Text("OutputFolder", &P::OutputFolder),
    Flag("ResizeKeepOrg", &P::ResizeKeepOrg),
    Int("ResizeWidth", &P::ResizeWidth),
    Int("ResizeHeight", &P::ResizeHeight),
    Int("BmpDPIX", &P::BmpDPIX),
    Int("BmpDPIY", &P::BmpDPIY),
    Int("BmpBppIndex", &P::BmpBppIndex),
    Int("JPEGQuality", &P::JPEGQuality),
    Flag("KeepEXIF", &P::KeepEXIF),
    Int("TIFCompIndex", &P::TIFCompIndex),
    Int("TIFBppIndex", &P::TIFBppIndex),
    Int("GIFMaxColorIndex", &P::GIFMaxColorIndex),
    Int("GIFQuanIndex", &P::GIFQuanIndex),
    Flag("GIFErrorDiff", &P::GIFErrorDiff),
    Colour("GIFcolorTranColorR", 0),
    Colour("GIFcolorTranColorG", 8),
    Colour("GIFcolorTranColorB", 16),
    Text("PDFTitle", &P::PDFTitle),
    Text("PDFSubject", &P::PDFSubject),
    Text("PDFAuthor", &P::PDFAuthor),
    Text("PDFCreator", &P::PDFCreator),
    Text("PDFKeyword", &P::PDFKeyword),
    Text("PDFProducer", &P::PDFProducer),
    Flag("OutputPDFA", &P::OutputPDFA),
    Int("OutputPDFAType", &P::OutputPDFAType),
    Flag("PDFA128EnableAnno", &P::PDFA128EnableAnno),
    Flag("PDFA128EnableAssDoc", &P::PDFA128EnableAssDoc),
    Flag("PDFA128EnableEdit", &P::PDFA128EnableEdit),
    Flag("PDFA128EnableExtractor", &P::PDFA128EnableExtractor),
    Flag("PDFA128EnableExtractText", &P::PDFA128EnableExtractText),
    Flag("PDFA128EnableFillForm", &P::PDFA128EnableFillForm),
    Flag("PDFA128EnableHighPrint", &P::PDFA128EnableHighPrint),
    Flag("PDFA128EnablePrint", &P::PDFA128EnablePrint),
    Flag("PDFA40EnableAnno", &P::PDFA40EnableAnno),
    Flag("PDFA40EnableEdit", &P::PDFA40EnableEdit),
    Flag("PDFA40EnableExtractor", &P::PDFA40EnableExtractor),
    Flag("PDFA40EnablePrint", &P::PDFA40EnablePrint),
    Text("PDFAOwnerPassword", &P::PDFAOwnerPassword),
    Text("PDFAUserPassword", &P::PDFAUserPassword),
}};

// The leading decimal number of `s` with optional sign, after leading blanks; 0 without one.
// Out-of-range numbers saturate.
int LeadingInt(std::string_view s)
{
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    long long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        return static_cast<int>(-value);
    return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

void Apply(ConversionProfile& p, const Key& key, const std::string& stored)
{
    switch (key.form) {
    case Form::Text:
        p.*key.text = stored;
        break;
    case Form::Int:
        p.*key.number = LeadingInt(stored);
        break;
    case Form::Flag:
        p.*key.number = stored == "Y" ? 1 : 0;
        break;
    case Form::ColourByte: {
        const auto byte = static_cast<std::uint32_t>(LeadingInt(stored)) & 0xFFu;
        p.GIFTranColor = (p.GIFTranColor & ~(0xFFu << key.shift)) | (byte << key.shift);
        break;
    }
    }
}

std::string Stored(const ConversionProfile& p, const Key& key)
{
    switch (key.form) {
    case Form::Text:
        return p.*key.text;
    case Form::Int:
        return std::to_string(p.*key.number);
    case Form::Flag:
        return p.*key.number != 0 ? "Y" : "N";
    case Form::ColourByte:
        return std::to_string((p.GIFTranColor >> key.shift) & 0xFFu);
    }
    return {};
}

fs::path ExecutableDir()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path ConfigHome()
{
    // Relative values are to be ignored, as the base-directory rules say.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && xdg[0] == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && home[0] != '\0')
        return fs::path(home) / ".config";
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return fs::path(pw->pw_dir) / ".config";
    return fs::path(".config");
}

}  // namespace

fs::path DefaultProfilePath()
{
    const fs::path dir = ExecutableDir();
    std::error_code ec;
    if (!dir.empty() && fs::exists(dir / kFileName, ec))
        return dir / kFileName;
    return ConfigHome() / "brivane" / kFileName;
}

void LoadProfile(ConversionProfile& p, const fs::path& file)
{
    IniFile ini;
    if (!ini.Read(file))
        return;
    for (const Key& key : kKeys) {
        if (const auto stored = ini.Get(kSection, key.name))
            Apply(p, key, *stored);
    }
}

bool SaveProfile(const ConversionProfile& p, const fs::path& file)
{
    try {
        IniFile ini;
        // Never replace a file whose other contents we could not read.
        if (!ini.Read(file))
            return false;
        for (const Key& key : kKeys)
            ini.Set(kSection, key.name, Stored(p, key));
        return IniFile::WriteFileAtomically(file, ini.Text());
    } catch (...) {  // allocation failure: report it like any failed write
        return false;
    }
}
