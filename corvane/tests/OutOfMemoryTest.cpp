// Running out of memory inside ReadImage and CorvaneReadTryHarder: no exception may leave a C
// entry point, the status says so, and what is handed out is whole.

#include "ZintSymbol.h"
#include "corvane.h"
#include "corvane_tryharder.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

namespace {

// Allocations left before the next one fails; negative means never fail.
std::atomic<long> g_allocationsLeft{-1};

void* Allocate(std::size_t size)
{
    if (g_allocationsLeft.load() >= 0 && g_allocationsLeft.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

}  // namespace

// Replaced for the whole program, the shared library included.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
// The non-throwing forms too, so that every allocation is paired with the free below.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace corvane {
namespace {

TEST(OutOfMemory, EveryFailingAllocationIsReportedAndKeepsWholeResults)
{
    const auto symbol = test::RenderSymbol(BARCODE_CODE128, "Low-mem", 2, 20);
    auto page = test::PageWithSymbol(symbol, 30);
    CorvaneBitmap bmp = page.Bitmap();
    const int full = ReadImage(&bmp, 0, 0, page.Height(), page.Width(), 20, 3);
    ASSERT_EQ(full, 1);
    ASSERT_EQ(bmp.lastStatus, CorvaneOk);

    int failures = 0;
    // Fails the first, second, ... allocation of a read until a read needs fewer.
    for (long n = 0;; n += 1 + n / 50) {
        CorvaneBitmap b = page.Bitmap();
        g_allocationsLeft = n;
        const int count = ReadImage(&b, 0, 0, page.Height(), page.Width(), 20, 3);
        const bool failed = g_allocationsLeft.exchange(-1) < 0;
        if (!failed) {
            EXPECT_EQ(count, full);
            EXPECT_EQ(b.lastStatus, CorvaneOk);
            break;
        }
        ++failures;
        EXPECT_EQ(b.lastStatus, CorvaneOutOfMemory) << n;
        ASSERT_GE(count, 0);
        ASSERT_LE(count, full);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(std::u16string(GetBarCodeValue(i)), u"Low-mem") << n;
    }
    EXPECT_GT(failures, 10);
}

TEST(OutOfMemory, TheTryHarderReaderSaysSoAndHandsOutNothing)
{
    const auto symbol = test::RenderSymbol(BARCODE_EANX, "590123412345", 2, 20);
    auto page = test::PageWithSymbol(symbol, 30);
    const CorvaneBitmap bmp = page.Bitmap();
    int reported = 0;
    for (long n = 0;; n += 1 + n / 20) {
        CorvaneResults* results = nullptr;
        g_allocationsLeft = n;
        const int rc = CorvaneReadTryHarder(&bmp, 0, 0, page.Height(), page.Width(), CORVANE_EFFORT_MAX, &results);
        const bool failed = g_allocationsLeft.exchange(-1) < 0;
        // A sort that cannot get its buffer works without it: such a failure changes nothing.
        if (rc == CorvaneOk) {
            ASSERT_NE(results, nullptr) << n;
            ASSERT_EQ(results->count, 1) << n;
            EXPECT_EQ(std::u16string(results->items[0].text), u"5901234123457") << n;
            CorvaneFreeResults(results);
        } else {
            ++reported;
            EXPECT_EQ(rc, CorvaneOutOfMemory) << n;
            EXPECT_EQ(results, nullptr) << n;
        }
        if (!failed)
            break;
    }
    EXPECT_GT(reported, 10);
}

}  // namespace
}  // namespace corvane
