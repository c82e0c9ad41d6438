#pragma once
// The output folder chooser: a folder browser titled "Choose folder" whose "Select" button
// returns the folder whose contents are shown, not a folder marked inside the list.

#include <QFileDialog>

class CFolderDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit CFolderDialog(QWidget* parent = nullptr);

    // The chosen folder after the dialog ended with Select; "" otherwise.
    QString Result() const { return result_; }

    void accept() override;

private:
    QString result_;
};
