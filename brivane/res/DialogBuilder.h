#pragma once
// Turns a dialog layout into widgets on a form (a dialog, or a page inside one): sets the form's
// font, title and fixed client size, creates each control at its place converted from dialog
// units, and on a dialog wires the standard OK (1) and Cancel (2) buttons to accept and reject.

#include "res/DialogLayout.h"

#include <QDialog>
#include <QWidget>

#include <functional>
#include <vector>

class DialogControls {
public:
    struct Control {
        const ControlDef* def;
        QWidget* widget;
    };

    // The control with `id`, or nullptr.
    QWidget* Get(int id) const;
    template <class T>
    T* Get(int id) const
    {
        return qobject_cast<T*>(Get(id));
    }
    const std::vector<Control>& All() const { return controls_; }
    const DialogUnits& Units() const { return units_; }

private:
    friend DialogControls BuildDialog(QWidget&, const DialogLayout&,
                                      const std::function<QWidget*(const ControlDef&, QWidget*)>&);
    explicit DialogControls(const DialogUnits& units) : units_(units) {}
    DialogUnits units_;
    std::vector<Control> controls_;
};

// Makes the widget of a ControlKind::Custom row, parented to the form; nullptr skips the row.
using CustomControlFactory = std::function<QWidget*(const ControlDef& def, QWidget* parent)>;

DialogControls BuildDialog(QWidget& form, const DialogLayout& layout, const CustomControlFactory& custom = {});
