// The generated corpus draws what it claims: label geometry that can be undone, real symbols that
// readers read when nothing spoils them, and conditions inside each class's ranges.
#include "LabelPhoto.h"
#include "PhotoClasses.h"
#include "Readers.h"
#include "SurfaceMap.h"
#include "Timing.h"
#include "Symbologies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace bench {
namespace {

// Clean labels at a fractional module width: every symbology must come out as the text zint
// encoded, read by Corvane, and by ZBar and ZXing-C++ where they read the symbology. A fault in
// the module order, the conventions or the quiet zones shows here as a miss.
TEST(GeneratedCorpus, CleanLabelsOfEverySymbologyAreRead)
{
    const Reader zbar = ZBarReader();
    const Reader zxing = ZXingReader(true);
    for (const Symbology& s : kSymbologies) {
        SCOPED_TRACE(s.name);
        Symbol symbol;
        std::string error;
        ASSERT_TRUE(EncodeSymbol(s, s.data, symbol, error)) << error;
        ASSERT_FALSE(symbol.modules.empty());
        EXPECT_EQ(symbol.modules.front(), 1);
        EXPECT_EQ(symbol.modules.back(), 1);
        PhotoConditions clean;
        clean.surface.module = 3.4;
        clean.camera.noise = 1;
        std::mt19937 rng(3);
        Grey page = PhotographLabel(symbol, clean, rng);
        const auto has = [](const std::vector<Decoded>& found, const std::string& text) {
            return std::any_of(found.begin(), found.end(), [&](const Decoded& d) { return d.text == text; });
        };
        EXPECT_TRUE(has(ReadWithCorvane(page), Expected(symbol.zintText, s.corvane))) << symbol.zintText;
        if (s.peersRead) {
            EXPECT_TRUE(has(zbar(page), Expected(symbol.zintText, s.zbar))) << symbol.zintText;
            EXPECT_TRUE(has(Isolated(zxing, page, 1).found, Expected(symbol.zintText, s.zxing))) << symbol.zintText;
        }
    }
}

}  // namespace
}  // namespace bench
