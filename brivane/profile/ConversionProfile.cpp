#include "profile/ConversionProfile.h"

std::filesystem::path DefaultProfilePath()
{
    return {};
}

void LoadProfile(ConversionProfile&, const std::filesystem::path&) {}

bool SaveProfile(const ConversionProfile&, const std::filesystem::path&)
{
    return false;
}
