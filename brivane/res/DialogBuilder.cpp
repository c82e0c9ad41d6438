#include "res/DialogBuilder.h"
#include "res/CColorButton.h"
#include "res/CGroupBox.h"
#include "res/CIconButton.h"
#include "res/CSpinButton.h"
#include "res/Icons.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* CreateButton(QWidget& form, const ControlDef& def)
{
    auto* button = new CIconButton(ToQString(def.text), &form);
    if (def.icon != 0)
        button->SetIcon(def.icon, def.iconSize);
    button->setDefault((def.style & kStyleDefault) != 0);
    if (auto* dialog = qobject_cast<QDialog*>(&form)) {
        if (def.id == res::IDOK)
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
        else if (def.id == res::IDCANCEL)
            QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    }
    return button;
}

QWidget* CreateStatic(QWidget& form, const ControlDef& def)
{
    auto* label = new QLabel(ToQString(def.text), &form);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateIcon(QWidget& form, const ControlDef& def)
{
    auto* label = new QLabel(&form);
    label->setPixmap(LoadResIconPixmap(def.icon, def.iconSize));
    return label;
}

// A spin button works on the control just before it, as long as that is a text box.
QWidget* CreateSpinButton(QWidget& form, QWidget* previous)
{
    auto* spin = new CSpinButton(&form);
    if (auto* buddy = qobject_cast<QLineEdit*>(previous))
        spin->SetBuddy(buddy);
    return spin;
}

// Ownership of every widget passes to the form through its parent.
QWidget* CreateControl(QWidget& form, const ControlDef& def, QWidget* previous, const CustomControlFactory& custom)
{
    const bool sorted = (def.style & kStyleSorted) != 0;
    switch (def.kind) {
    case ControlKind::Static: return CreateStatic(form, def);
    case ControlKind::Icon: return CreateIcon(form, def);
    case ControlKind::Edit: return new QLineEdit(&form);
    case ControlKind::Button: return CreateButton(form, def);
    case ControlKind::CheckBox: return new QCheckBox(ToQString(def.text), &form);
    case ControlKind::RadioButton: return new QRadioButton(ToQString(def.text), &form);
    case ControlKind::GroupBox: return new CGroupBox(ToQString(def.text), &form);
    case ControlKind::ComboBox: return new CComboBox(sorted, &form);
    case ControlKind::ListBox: return new CListBox(sorted, &form);
    case ControlKind::SpinButton: return CreateSpinButton(form, previous);
    case ControlKind::ColorButton: return new CColorButton(&form);
    case ControlKind::Custom: return custom ? custom(def, &form) : nullptr;
    }
    return nullptr;
}

void Place(QWidget& widget, const ControlDef& def, const DialogUnits& units)
{
    QRect rect = units.ToPixels(def.rect);
    if (def.kind == ControlKind::Icon) {
        // An icon control takes the size of its icon.
        rect.setSize(QSize(def.iconSize, def.iconSize));
    } else if (def.kind == ControlKind::ComboBox) {
        // The layout's height is that of the opened list; the closed box keeps its own height.
        auto& combo = static_cast<QComboBox&>(widget);
        const int closed = combo.sizeHint().height();
        const int itemHeight = std::max(1, combo.fontMetrics().height() + 2);
        combo.setMaxVisibleItems(std::max(1, (rect.height() - closed) / itemHeight));
        rect.setHeight(closed);
    }
    widget.setGeometry(rect);
}

}  // namespace

QWidget* DialogControls::Get(int id) const
{
    if (id == kNoId)
        return nullptr;
    const auto it = std::find_if(controls_.begin(), controls_.end(),
                                 [id](const Control& c) { return c.def->id == id; });
    return it == controls_.end() ? nullptr : it->widget;
}

DialogControls BuildDialog(QWidget& form, const DialogLayout& layout, const CustomControlFactory& custom)
{
    const QFont font = DialogFont(layout.pointSize);
    form.setFont(font);
    form.setWindowTitle(ToQString(layout.title));

    DialogControls controls{DialogUnits(font)};
    const DialogUnits& units = controls.Units();
    form.setFixedSize(units.ToPixels(layout.cx, layout.cy));

    QWidget* previous = nullptr;
    for (const ControlDef& def : layout.controls) {
        QWidget* widget = CreateControl(form, def, previous, custom);
        if (widget == nullptr)
            continue;
        previous = widget;
        if (def.id != kNoId)
            widget->setObjectName(QStringLiteral("control%1").arg(def.id));
        Place(*widget, def, units);
        widget->setEnabled((def.style & kStyleDisabled) == 0);
        controls.controls_.push_back({&def, widget});
    }
    return controls;
}
