#pragma once
// The Option dialog: output name prefix and suffix, the overwrite question, and opening the
// output folder after a batch. The host fills the four members, runs the dialog, and copies
// them back only after OK.

#include "res/DialogBuilder.h"

#include <QDialog>
#include <QString>

#include <optional>

class COptionDlg : public QDialog {
    Q_OBJECT
public:
    explicit COptionDlg(QWidget* parent = nullptr);

    QString m_prefix;
    QString m_suffix;
    bool m_overWrite = false;
    bool m_openFolder = false;

    const DialogControls& Controls() const { return *controls_; }

    // Members into the controls (done when the dialog shows) and back (done by OK).
    void DataToControls();
    void ControlsToData();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::optional<DialogControls> controls_;
};
