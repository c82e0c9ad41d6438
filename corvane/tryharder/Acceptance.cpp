#include "tryharder/Acceptance.h"

#include "corvane_tryharder.h"
#include "tryharder/frontend/CheckCharacters.h"

#include <algorithm>
#include <string_view>

namespace corvane::tryharder {

namespace {

// Shorter texts are noise whatever their symbology (as in the band reader).
constexpr std::size_t kMinTextLength = 4;
constexpr int kMinScore = 60;

// What a symbology needs beyond a passing check character.
struct Rule {
    std::u16string_view type;
    double quiet;         // modules of light wanted before the first bar, and after the last
    double bandQuiet;     // the same for the band reader, which cannot tell a line entering a
                          // tilted symbol through its bars' tops from one crossing it whole
    double quietToEdge;   // fewer will do when the light runs into the image's edge
    bool fullRead;        // no unread character: nothing could tell noise from a partial read
    bool wholeTwoOfFive;  // whole 2 of 5 characters
    int lines;            // scan lines that must give the same text
    int bandLines;        // the same for the band reader, whose widths are coarser
    // Scan lines wanted, at the least, when only the weaker of two check characters vouches for
    // the text (Code 11 with C but no K lets one misread in eleven through).
    int linesWithWeakCheck = 0;
};

// No 2 of 5 symbol holds five light modules in a row, so one cut by the image's edge has less.
constexpr double kLightBeforeEdge = 5;
// Printed 2 of 5 symbols want ten; on a curved label the margin at the far side shows fewer of
// the modules nearest it, and eight is still well beyond any light inside a symbol.
constexpr double kTwoOfFiveQuiet = 8;

constexpr Rule kRules[] = {
    {u"Interleaved25", kTwoOfFiveQuiet, kQuietZoneModules, kLightBeforeEdge, true, true, 2, 2},
    {u"Industrial25", kTwoOfFiveQuiet, kQuietZoneModules, kLightBeforeEdge, true, true, 2, 2},
    {u"Matrix25", kTwoOfFiveQuiet, kQuietZoneModules, kLightBeforeEdge, true, true, 2, 2},
    {u"Code11", 5, 5, 5, false, false, 1, 1, 2},
    // Also found in a retail symbol's add-on, with a check that passes one time in ten; a
    // second scan line with the same text makes that chance small.
    {u"UPC-E", 5, 5, 0, false, false, 2, 2},
    {u"EAN 8", 5, 5, 0, false, false, 2, 2},
    // No check character at all: one wide element the band reader takes for narrow gives
    // another valid text, and random bars between a start and a stop give a few characters.
    {u"Codabar", 0, 0, 0, true, false, 1, 2},
    {u"Code39", 0, 0, 0, true, false, 1, 2},
};

const Rule* RuleFor(std::u16string_view type)
{
    for (const Rule& r : kRules)
        if (r.type == type)
            return &r;
    return nullptr;
}

bool Quiet(const Margin& margin, double wanted, double wantedToEdge)
{
    return margin.modules >= wanted || (margin.edge && margin.modules >= wantedToEdge);
}

// Start and stop lengths in modules and the elements per character of each 2 of 5 code, as its
// decoder strips and groups them.
struct TwoOfFiveShape {
    std::u16string_view type;
    int startModules;
    int stopModules;
    int elementsPerCharacter;  // a Matrix character counts the gap after it
    bool barsOnly;             // only bars carry the characters
};
constexpr TwoOfFiveShape kShapes[] = {
    {u"Interleaved25", 4, 4, 10, false},
    {u"Industrial25", 8, 7, 5, true},
    {u"Matrix25", 7, 6, 6, false},
};

// Bars (or bars and spaces) of a module string.
int CountElements(std::u16string_view modules, bool barsOnly)
{
    int count = 0;
    for (std::size_t i = 0; i < modules.size(); ++i)
        if ((i == 0 || modules[i] != modules[i - 1]) && (!barsOnly || modules[i] == u'1'))
            ++count;
    return count;
}

}  // namespace

bool HasWholeTwoOfFiveLength(const std::u16string& type, const std::u16string& modules)
{
    const auto shape = std::find_if(std::begin(kShapes), std::end(kShapes),
                                    [&](const TwoOfFiveShape& s) { return s.type == type; });
    if (shape == std::end(kShapes))
        return false;
    const auto guards = static_cast<std::size_t>(shape->startModules + shape->stopModules);
    if (modules.size() <= guards)
        return false;
    const std::u16string_view inner =
        std::u16string_view(modules).substr(static_cast<std::size_t>(shape->startModules), modules.size() - guards);
    const int elements = CountElements(inner, shape->barsOnly);
    return elements > 0 && elements % shape->elementsPerCharacter == 0;
}

void Acceptance::Offer(const Reading& reading)
{
    const Finding& f = reading.finding;
    if (f.type.empty() || f.text.size() < kMinTextLength || f.score < kMinScore)
        return;
    if (!PassesCheck(f.type, f.text, reading.modules))
        return;
    if (const Rule* rule = RuleFor(f.type)) {
        const bool band = reading.finding.step == CorvaneStepBands || reading.finding.step == CorvaneStepPrepared;
        const double quiet = band ? rule->bandQuiet : rule->quiet;
        if (!Quiet(reading.before, quiet, rule->quietToEdge) || !Quiet(reading.after, quiet, rule->quietToEdge)) {
            return;
        }
        if ((rule->fullRead && f.score < 100) ||
            (rule->wholeTwoOfFive && !HasWholeTwoOfFiveLength(f.type, reading.modules))) {
            return;
        }
        int lines = band ? rule->bandLines : rule->lines;
        if (rule->linesWithWeakCheck > lines && !PassesStrongCheck(f.type, f.text))
            lines = rule->linesWithWeakCheck;
        if (lines > 1 && reading.lines < lines) {
            const auto key = std::make_pair(f.type, f.text);
            const bool seenElsewhere = std::any_of(waiting_.begin(), waiting_.end(), [&](const auto& w) {
                return w.first == key && w.second != reading.line;
            });
            if (!seenElsewhere) {
                waiting_.insert({key, reading.line});
                return;
            }
        }
    }
    findings_.Add(f);
}

}  // namespace corvane::tryharder
