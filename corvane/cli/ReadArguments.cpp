#include "ReadArguments.h"

#include <corvane_tryharder.h>

#include <charconv>
#include <string>
#include <string_view>

namespace {

std::optional<int> ToInt(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<Area> ToArea(std::string_view text)
{
    int parts[4];
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = i < 3 ? text.find(',') : text.size();
        if (comma == std::string_view::npos)
            return std::nullopt;
        const auto value = ToInt(text.substr(0, comma));
        if (!value || *value < 0)
            return std::nullopt;
        parts[i] = *value;
        text.remove_prefix(std::min(text.size(), comma + 1));
    }
    return Area{parts[0], parts[1], parts[2], parts[3]};
}

ParsedArguments Refuse(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

#define CORVANE_READ_STR2(x) #x
#define CORVANE_READ_STR(x) CORVANE_READ_STR2(x)

const char* const kReadUsage =
    "Usage: corvane-read [--scan-lines N] [--rotations N] [--try-harder | --effort N]\n"
    "                    [--area X,Y,W,H] [--json] FILE...\n"
    "Finds and decodes 1-D barcodes in PNG, JPEG, BMP, GIF, TGA and PNM files.\n"
    "\n"
    "  --scan-lines N   horizontal bands scanned (default 20)\n"
    "  --rotations N    extra quarter turns scanned, 0 to 3 (default 3)\n"
    "  --try-harder     read photographs and scans with the try-harder reader, at effort "
    CORVANE_READ_STR(CORVANE_EFFORT_DEFAULT) "\n"
    "  --effort N       the try-harder reader at effort " CORVANE_READ_STR(CORVANE_EFFORT_MIN) " (as fast as the plain\n"
    "                   read, same results) to " CORVANE_READ_STR(CORVANE_EFFORT_MAX) " (slowest, reads the most); the last\n"
    "                   of --try-harder and --effort counts. Neither goes with\n"
    "                   --scan-lines or --rotations, which tune only the plain read\n"
    "  --area X,Y,W,H   only this part of each image (default: all of it)\n"
    "  --json           one JSON document instead of tab-separated lines\n"
    "  --version        print the version and exit\n"
    "\n"
    "Prints FILE<TAB>TYPE<TAB>TEXT<TAB>SCORE per barcode. Exit status: 0 when a barcode was\n"
    "read, 1 when none, 2 when a file could not be read or the arguments are wrong.\n";

ParsedArguments ParseReadArguments(const std::vector<std::string>& args)
{
    ReadArguments parsed;
    bool optionsEnded = false;
    bool bandOptions = false;  // --scan-lines or --rotations given
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            parsed.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--version") {
            parsed.version = true;
        } else if (arg == "--try-harder") {
            parsed.effort = CORVANE_EFFORT_DEFAULT;
        } else if (arg == "--scan-lines" || arg == "--rotations" || arg == "--area" || arg == "--effort") {
            if (i + 1 >= args.size())
                return Refuse(arg + " needs a value");
            const std::string& value = args[++i];
            if (arg == "--area") {
                parsed.area = ToArea(value);
                if (!parsed.area)
                    return Refuse("--area wants X,Y,W,H as four whole numbers, not " + value);
                continue;
            }
            const auto number = ToInt(value);
            if (arg == "--effort") {
                if (!number || *number < CORVANE_EFFORT_MIN || *number > CORVANE_EFFORT_MAX)
                    return Refuse("--effort wants a whole number from " + std::to_string(CORVANE_EFFORT_MIN) + " to " +
                                  std::to_string(CORVANE_EFFORT_MAX) + ", not " + value);
                parsed.effort = *number;
                continue;
            }
            bandOptions = true;
            const bool rotations = arg == "--rotations";
            if (!number || *number < (rotations ? 0 : 1) || (rotations && *number > 3))
                return Refuse(arg + (rotations ? " wants 0 to 3, not " : " wants a positive whole number, not ") + value);
            (rotations ? parsed.rotations : parsed.scanLines) = *number;
        } else {
            return Refuse("unknown option " + arg);
        }
    }
    if (bandOptions && parsed.effort)
        return Refuse("--scan-lines and --rotations tune only the plain read; leave them out with --try-harder or --effort");
    if (!parsed.help && !parsed.version && parsed.files.empty())
        return Refuse("no files to read");
    return {parsed, {}};
}
