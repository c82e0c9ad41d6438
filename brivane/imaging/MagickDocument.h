#pragma once
// The engine's document: one page at full depth in a Magick::Image, whatever decoded it, so that
// every later operation on a loaded image (conversion, saving) has one representation to work on.

#include "imaging/ImageEngine.h"

#include <Magick++.h>

class MagickDocument final : public LoadedImage {
public:
    explicit MagickDocument(Magick::Image image) : image_(std::move(image)) {}

    QSize Size() const override;
    QImage ToQImage() const override;

    Magick::Image& Image() { return image_; }
    const Magick::Image& Image() const { return image_; }

private:
    Magick::Image image_;
};
