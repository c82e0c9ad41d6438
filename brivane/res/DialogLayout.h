#pragma once
// A dialog layout as data: the dialog's size, title and font, and one row per control with its
// id, kind, caption and rectangle in dialog units. Layouts are constexpr tables (see Layouts.h);
// DialogBuilder turns one into widgets.

#include "res/DialogUnits.h"

#include <span>
#include <string_view>

// Id of controls that nobody addresses (labels, frames).
inline constexpr int kNoId = -1;

enum class ControlKind {
    Static,    // text label
    Icon,      // icon resource shown at its own size
    Edit,      // one-line text box
    Button,    // push button, optionally with an icon beside the caption
    CheckBox,
    RadioButton,  // the radio buttons of one form make one group
    GroupBox,  // frame without a title unless the caption is set
    ComboBox,  // drop-down list; the height is that of the opened list
    ListBox,
    SpinButton,   // up/down arrows stepping the number in the text box just before it
    ColorButton,  // shows a colour swatch and lets the user choose another colour
    Custom,    // made by the dialog itself (list views, imaging controls)
};

// Style bits of a control.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleDisabled = 1u << 0,
    kStyleSorted = 1u << 1,       // list and combo boxes keep their entries sorted
    kStyleDefault = 1u << 2,      // default push button (Enter)
};

struct ControlDef {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string_view text;
    DialogRect rect;
    int icon = 0;      // icon resource number, 0 for none
    int iconSize = 0;  // square size in pixels the icon is shown at
    unsigned style = kStyleNone;
};

struct DialogLayout {
    int id = 0;
    std::string_view title;
    int cx = 0;  // client area, dialog units
    int cy = 0;
    int pointSize = 8;
    std::span<const ControlDef> controls;
};
