#include "decoders/Substring.h"

#include <algorithm>

namespace corvane {

namespace {

std::size_t Clamp(std::ptrdiff_t value, std::size_t limit)
{
    if (value <= 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(value), limit);
}

}  // namespace

std::u16string Left(std::u16string_view s, std::ptrdiff_t n)
{
    return std::u16string(s.substr(0, Clamp(n, s.size())));
}

std::u16string Right(std::u16string_view s, std::ptrdiff_t n)
{
    const std::size_t count = Clamp(n, s.size());
    return std::u16string(s.substr(s.size() - count));
}

std::u16string Mid(std::u16string_view s, std::ptrdiff_t start, std::ptrdiff_t count)
{
    const std::size_t from = Clamp(start, s.size());
    return std::u16string(s.substr(from, Clamp(count, s.size() - from)));
}

std::u16string Mid(std::u16string_view s, std::ptrdiff_t start)
{
    return std::u16string(s.substr(Clamp(start, s.size())));
}

}  // namespace corvane
