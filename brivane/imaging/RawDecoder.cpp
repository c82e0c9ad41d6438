#include "imaging/RawDecoder.h"

#include "imaging/MagickCodec.h"

#include <libraw/libraw.h>

#include <memory>

namespace {

struct ProcessedImageDeleter {
    void operator()(libraw_processed_image_t* p) const { LibRaw::dcraw_clear_mem(p); }
};

}  // namespace

std::optional<Magick::Image> DecodeRaw(const QByteArray& data, QString* error)
{
    EnsureMagickStarted();
    const auto fail = [error](const QString& reason) {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    // LibRaw's processor is large; keep it off the stack.
    const auto raw = std::make_unique<LibRaw>();
    raw->imgdata.params.use_camera_wb = 1;
    raw->imgdata.params.output_bps = 8;
    QByteArray buffer = data;  // LibRaw wants a writable pointer, though it only reads
    int rc = raw->open_buffer(buffer.data(), static_cast<size_t>(buffer.size()));
    if (rc == LIBRAW_SUCCESS)
        rc = raw->unpack();
    if (rc == LIBRAW_SUCCESS)
        rc = raw->dcraw_process();
    if (rc != LIBRAW_SUCCESS)
        return fail(QStringLiteral("camera raw: %1").arg(QString::fromUtf8(libraw_strerror(rc))));
    int made = LIBRAW_SUCCESS;
    const std::unique_ptr<libraw_processed_image_t, ProcessedImageDeleter> image(raw->dcraw_make_mem_image(&made));
    if (!image || made != LIBRAW_SUCCESS || image->type != LIBRAW_IMAGE_BITMAP || image->colors != 3 || image->bits != 8)
        return fail(QStringLiteral("camera raw: the image could not be developed"));
    try {
        Magick::Image out;
        out.read(image->width, image->height, "RGB", Magick::CharPixel, image->data);
        return out;
    } catch (const std::exception& e) {
        return fail(DescribeMagickError(e));
    }
}
