#pragma once
// The dialog layouts of the program.

#include "res/DialogLayout.h"

namespace res {

const DialogLayout& AboutLayout();  // layout 100, "About Brivane"
const DialogLayout& MainLayout();   // layout 102, the main window
const DialogLayout& OptionLayout(); // layout 147, "Option"
const DialogLayout& ViewerLayout(); // layout 131, the image viewer

const DialogLayout& EncoderLayout();    // layout 146, "Encoder Setting"
const DialogLayout& BmpPageLayout();    // layout 157
const DialogLayout& ResizePageLayout(); // layout 158
const DialogLayout& JpegPageLayout();   // layout 159
const DialogLayout& TiffPageLayout();   // layout 160
const DialogLayout& PdfPageLayout();    // layout 161, at 7 points
const DialogLayout& GifPageLayout();    // layout 162

}  // namespace res
