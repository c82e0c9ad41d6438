#pragma once
// The engine's document: one page at full depth in a Magick::Image, whatever decoded it, so that
// every later operation on a loaded image (conversion, saving) has one representation to work on.
// A depth conversion is remembered and applied to the copy each save encodes.

#include "imaging/ImageEngine.h"

#include <Magick++.h>

class MagickDocument final : public LoadedImage {
public:
    explicit MagickDocument(Magick::Image image, QString damage = {})
        : image_(std::move(image)), damage_(std::move(damage))
    {
    }

    QSize Size() const override;
    QImage ToQImage() const override;
    QString Damage() const override { return damage_; }
    void ConvertDepth(ColorDepth depth) override { depth_ = depth; }
    EncodeResult Encode(const SaveRequest& request) const override;

    Magick::Image& Image() { return image_; }
    const Magick::Image& Image() const { return image_; }

private:
    Magick::Image image_;
    QString damage_;
    ColorDepth depth_ = ColorDepth::Keep;
};
