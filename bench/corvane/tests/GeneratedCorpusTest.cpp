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

TEST(GeneratedCorpus, TheSurfaceMapUndoesItself)
{
    struct View {
        double radius, degrees, perspective;
    };
    for (const View v : {View{0, 0, 0}, View{0, 27, 0}, View{300, -8, 0}, View{0, 4, 0.2}, View{250, 15, 0.1}}) {
        std::mt19937 rng(7);
        const SurfaceMap map(v.radius, v.degrees * std::numbers::pi / 180, v.perspective, 200, rng);
        for (const Point p : {Point{0, 0}, Point{150, -40}, Point{-190, 60}, Point{37.5, 12.25}}) {
            const Point q = map.Inverse(map.Forward(p));
            EXPECT_NEAR(q.x, p.x, 1e-6) << v.radius << " " << v.degrees << " " << v.perspective;
            EXPECT_NEAR(q.y, p.y, 1e-6);
        }
        if (v.radius == 0 && v.perspective == 0) {  // a plain turn keeps distances
            const Point a = map.Forward({100, 0});
            EXPECT_NEAR(std::hypot(a.x, a.y), 100, 1e-9);
        }
    }
}

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
