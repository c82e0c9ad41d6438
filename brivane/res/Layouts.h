#pragma once
// The dialog layouts of the program.

#include "res/DialogLayout.h"

namespace res {

const DialogLayout& AboutLayout();  // layout 100, "About Brivane"
const DialogLayout& MainLayout();   // layout 102, the main window
const DialogLayout& OptionLayout(); // layout 147, "Option"
const DialogLayout& ViewerLayout(); // layout 131, the image viewer

}  // namespace res
