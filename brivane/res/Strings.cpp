#include "res/Strings.h"
#include "res/ResourceIds.h"

#include <string_view>

namespace {

struct StringEntry {
    int id;
    std::string_view text;
};

constexpr StringEntry kStrings[] = {
    {res::IDS_ABOUTBOX, "&About Brivane..."},
};

}  // namespace

QString LoadResString(int id)
{
    for (const auto& entry : kStrings) {
        if (entry.id == id)
            return QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
    }
    return {};
}
