#include "imaging/ImageEngine.h"

namespace {
class NullEngine final : public IImageEngine {
public:
    std::unique_ptr<LoadedImage> Load(const QString&, int) override { return nullptr; }
    int PageCount(const QString&) override { return 0; }
    std::vector<ExifEntry> ReadExif(const QString&) override { return {}; }
};
}  // namespace

std::unique_ptr<IImageEngine> CreateImageEngine()
{
    return std::make_unique<NullEngine>();
}
