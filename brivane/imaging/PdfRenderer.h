#pragma once
// PDF pages through poppler (ImageMagick's PDF path goes through Ghostscript, which Debian's
// policy refuses).

#include <QByteArray>
#include <QImage>

// Page `page` (from 1) rendered at `dpi`, or a null image when it cannot be rendered. Pages so
// large that the rendering would exceed the pixel budget are rendered at a lower resolution.
QImage RenderPdfPage(const QByteArray& data, int page, double dpi = 150.0);

// Pages of the document; 0 when it cannot be opened (damaged, or locked by a password).
int CountPdfPages(const QByteArray& data);
