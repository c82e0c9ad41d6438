#pragma once
// PDF output built with qpdf: one page showing the image, the document information, and either
// RC4 security (40-bit R2 or 128-bit R3) or PDF/A-2b identification, never both, since PDF/A
// forbids encryption.

#include "imaging/EncoderSettings.h"
#include "imaging/ImageEncoder.h"

#include <Magick++.h>

EncodeResult EncodePdf(Magick::Image& image, const PdfInfo& info, bool pdfA, const PdfSecurity& security);
