#include "decoders/WidthPatterns.h"

#include <initializer_list>
#include <string_view>
#include <utility>

namespace corvane {

namespace {

using Replacement = std::pair<std::u16string_view, std::u16string_view>;

// Replaces every non-overlapping occurrence, scanning from the left.
std::u16string ReplaceAll(const std::u16string& text, std::u16string_view from, std::u16string_view to)
{
    std::u16string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit = text.find(from); hit != std::u16string::npos; hit = text.find(from, pos)) {
        result.append(text, pos, hit - pos);
        result.append(to);
        pos = hit + from.size();
    }
    result.append(text, pos);
    return result;
}

// Each step finishes over the whole text before the next begins, so the step order matters.
std::u16string ApplySteps(std::u16string text, std::initializer_list<Replacement> steps)
{
    for (const auto& [from, to] : steps) {
        text = ReplaceAll(text, from, to);
    }
    return text;
}

}  // namespace

std::u16string ToWideNarrow(std::u16string modules)
{
    return ApplySteps(std::move(modules), {{u"11", u"W"}, {u"1", u"N"}, {u"00", u"w"}, {u"0", u"n"}});
}

std::u16string ToBarWideNarrow(std::u16string modules)
{
    return ApplySteps(std::move(modules), {{u"11", u"W"}, {u"1", u"N"}, {u"0", u""}});
}

std::u16string ToElementBits(std::u16string modules)
{
    return ApplySteps(std::move(modules), {{u"11", u"w"},
                                           {u"1", u"n"},
                                           {u"00", u"w"},
                                           {u"0", u"n"},
                                           {u"w", u"1"},
                                           {u"n", u"0"}});
}

}  // namespace corvane
