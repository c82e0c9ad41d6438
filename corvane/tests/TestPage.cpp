#include "TestPage.h"

#include <algorithm>
#include <stdexcept>

namespace corvane::test {

TestPage::TestPage(int width, int height, std::uint8_t grey)
    : width_(width), height_(height), bgr_(static_cast<std::size_t>(width) * height * 3, grey)
{
}

void TestPage::SetPixel(int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the test page");
    auto* p = &bgr_[(static_cast<std::size_t>(y) * width_ + x) * 3];
    p[0] = b;
    p[1] = g;
    p[2] = r;
}

void TestPage::Fill(int x, int y, int w, int h, std::uint8_t grey)
{
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col)
            SetPixel(col, row, grey, grey, grey);
}

void TestPage::DrawModules(int x, int y, const std::u16string& modules, int moduleWidth, int height,
                           std::uint8_t dark)
{
    for (std::size_t i = 0; i < modules.size(); ++i)
        if (modules[i] == u'1')
            Fill(x + static_cast<int>(i) * moduleWidth, y, moduleWidth, height, dark);
}

void TestPage::Paste(int x, int y, const std::uint8_t* rgb, int w, int h)
{
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col) {
            const std::uint8_t* p = rgb + (static_cast<std::size_t>(row) * w + col) * 3;
            SetPixel(x + col, y + row, p[2], p[1], p[0]);
        }
}

TestPage TestPage::Turned(int quarterTurns) const
{
    TestPage page = *this;
    for (int t = 0; t < (quarterTurns % 4 + 4) % 4; ++t) {
        TestPage turned(page.height_, page.width_);
        for (int y = 0; y < page.height_; ++y)
            for (int x = 0; x < page.width_; ++x) {
                const auto* p = &page.bgr_[(static_cast<std::size_t>(y) * page.width_ + x) * 3];
                turned.SetPixel(page.height_ - 1 - y, x, p[0], p[1], p[2]);
            }
        page = std::move(turned);
    }
    return page;
}

CorvaneBitmap TestPage::Bitmap()
{
    return CorvaneBitmap{width_, height_, width_ * 3, CorvanePixelFormat24bppRGB, bgr_.data(), CorvaneOk};
}

CorvaneBitmap TestPage::BitmapAs(int pixelFormat)
{
    const std::size_t pixels = static_cast<std::size_t>(width_) * height_;
    switch (pixelFormat) {
    case CorvanePixelFormat8bppGray:
        converted_.resize(pixels);
        for (std::size_t i = 0; i < pixels; ++i)
            converted_[i] = bgr_[i * 3];  // test pages are grey, so any channel will do
        return CorvaneBitmap{width_, height_, width_, pixelFormat, converted_.data(), CorvaneOk};
    case CorvanePixelFormat32bppRGB:
    case CorvanePixelFormat32bppARGB:
        converted_.resize(pixels * 4);
        for (std::size_t i = 0; i < pixels; ++i) {
            std::copy_n(&bgr_[i * 3], 3, &converted_[i * 4]);
            converted_[i * 4 + 3] = static_cast<std::uint8_t>(i * 37);  // the fourth byte must not matter
        }
        return CorvaneBitmap{width_, height_, width_ * 4, pixelFormat, converted_.data(), CorvaneOk};
    default:
        return Bitmap();
    }
}

void AddGreyBoxes(TestPage& page, std::mt19937& rng, int count)
{
    std::uniform_int_distribution<int> grey(0, 255);
    for (int i = 0; i < count; ++i) {
        const int x = std::uniform_int_distribution(0, page.Width() - 1)(rng);
        const int y = std::uniform_int_distribution(0, page.Height() - 1)(rng);
        page.Fill(x, y, std::min(page.Width() - x, std::uniform_int_distribution(1, 9)(rng)),
                  std::min(page.Height() - y, std::uniform_int_distribution(1, 40)(rng)),
                  static_cast<std::uint8_t>(grey(rng)));
    }
}

}  // namespace corvane::test
