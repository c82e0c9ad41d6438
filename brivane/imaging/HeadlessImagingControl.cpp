// The imaging control without a window: what brivane-batch converts with.
#include "imaging/ImagingControlBase.h"

namespace {

class HeadlessImagingControl final : public ImagingControlBase {
public:
    void SetImageFile(const QString& path) override
    {
        doc_.reset();  // release the old image before decoding the next
        path_ = path;
        QString error;
        if (!path.isEmpty())
            doc_ = engine_->Load(path, 1, &error);
        SetLastError(error);
    }
    QString GetImageFile() const override { return path_; }

protected:
    LoadedImage* SaveSource() const override { return doc_.get(); }

private:
    std::unique_ptr<IImageEngine> engine_ = CreateImageEngine();
    std::unique_ptr<LoadedImage> doc_;
    QString path_;
};

}  // namespace

std::unique_ptr<IImagingControl> CreateHeadlessImagingControl()
{
    return std::make_unique<HeadlessImagingControl>();
}
