// corvane-read: finds and decodes the 1-D barcodes of image files from the command line.
#include "FoundBarcodes.h"
#include "ImageFile.h"
#include "ReadArguments.h"
#include "ReadOne.h"

#include <cstdio>
#include <string>
#include <vector>

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
    if (a.version) {
        std::puts("corvane-read " CORVANE_VERSION);
        return 0;
    }

    bool unreadable = false;
    std::vector<Found> found;
    for (const std::string& file : a.files) {
        const LoadedImage loaded = LoadImage(file);
        ReadOutcome read = loaded.error.empty() ? ReadOne(file, loaded.image, a) : ReadOutcome{{}, loaded.error};
        if (!read.error.empty()) {
            std::fprintf(stderr, "corvane-read: %s: %s\n", file.c_str(), read.error.c_str());
            unreadable = true;
            continue;
        }
        found.insert(found.end(), read.found.begin(), read.found.end());
    }

    std::fputs((a.json ? AsJson(found) : AsLines(found)).c_str(), stdout);
    if (unreadable)
        return 2;
    return found.empty() ? 1 : 0;
}
