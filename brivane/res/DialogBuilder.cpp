#include "res/DialogBuilder.h"
#include "res/CIconButton.h"
#include "res/Icons.h"
#include "res/ListControls.h"
#include "res/ResourceIds.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace {

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* CreateButton(QDialog& dialog, const ControlDef& def)
{
    auto* button = new CIconButton(ToQString(def.text), &dialog);
    if (def.icon != 0)
        button->SetIcon(def.icon, def.iconSize);
    button->setDefault((def.style & kStyleDefault) != 0);
    if (def.id == res::IDOK)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    else if (def.id == res::IDCANCEL)
        QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

QWidget* CreateStatic(QDialog& dialog, const ControlDef& def)
{
    auto* label = new QLabel(ToQString(def.text), &dialog);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* CreateIcon(QDialog& dialog, const ControlDef& def)
{
    auto* label = new QLabel(&dialog);
    label->setPixmap(LoadResIconPixmap(def.icon, def.iconSize));
    return label;
}

// Ownership of every widget passes to the dialog through its parent.
QWidget* CreateControl(QDialog& dialog, const ControlDef& def, const CustomControlFactory& custom)
{
    const bool sorted = (def.style & kStyleSorted) != 0;
    switch (def.kind) {
    case ControlKind::Static: return CreateStatic(dialog, def);
    case ControlKind::Icon: return CreateIcon(dialog, def);
    case ControlKind::Edit: return new QLineEdit(&dialog);
    case ControlKind::Button: return CreateButton(dialog, def);
    case ControlKind::CheckBox: return new QCheckBox(ToQString(def.text), &dialog);
    case ControlKind::GroupBox: return new QGroupBox(ToQString(def.text), &dialog);
    case ControlKind::ComboBox: return new CComboBox(sorted, &dialog);
    case ControlKind::ListBox: return new CListBox(sorted, &dialog);
    case ControlKind::Custom: return custom ? custom(def, &dialog) : nullptr;
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

DialogControls BuildDialog(QDialog& dialog, const DialogLayout& layout, const CustomControlFactory& custom)
{
    const QFont font = DialogFont(layout.pointSize);
    dialog.setFont(font);
    dialog.setWindowTitle(ToQString(layout.title));

    DialogControls controls{DialogUnits(font)};
    const DialogUnits& units = controls.Units();
    dialog.setFixedSize(units.ToPixels(layout.cx, layout.cy));

    for (const ControlDef& def : layout.controls) {
        QWidget* widget = CreateControl(dialog, def, custom);
        if (widget == nullptr)
            continue;
        if (def.id != kNoId)
            widget->setObjectName(QStringLiteral("control%1").arg(def.id));
        Place(*widget, def, units);
        widget->setEnabled((def.style & kStyleDisabled) == 0);
        controls.controls_.push_back({&def, widget});
    }
    return controls;
}
