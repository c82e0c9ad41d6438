#pragma once
// What every page of the Encoder Setting dialog shares: it is built hidden from its layout as a
// borderless child of the dialog, keeps its values in member fields, moves them into its controls
// when the dialog opens and back when the dialog's OK reads it. The helpers below are that data
// exchange, one per kind of control.

#include "res/DialogBuilder.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <span>
#include <string_view>

class QLineEdit;

// The integer a number box holds: optional blanks around an optionally signed decimal number
// that fits an int. Anything else (empty text included) is not an integer.
std::optional<int> ParseInteger(const QString& text);

class CSettingPage : public QWidget {
    Q_OBJECT
public:
    const DialogControls& Controls() const { return controls_; }

    // Member values into the controls, then the page's enable rules.
    virtual void DataToControls() = 0;
    // Controls into the member values, disabled ones included. Number boxes that do not hold an
    // integer keep their value; the dialog asks FirstNonInteger() first so that this happens
    // only to disabled boxes.
    virtual void ControlsToData() = 0;
    // The first enabled number box, in the page's order, whose text is not an integer; nullptr
    // if none. A disabled box is skipped: the user could not correct it.
    QLineEdit* FirstNonInteger() const;

protected:
    CSettingPage(const DialogLayout& layout, QWidget* parent);

    // The page's number boxes in the order they are read back.
    virtual std::span<const int> NumberBoxes() const { return {}; }

    void PutNumber(int id, int value) const;
    void GetNumber(int id, int& value) const;  // unchanged when the text is not an integer
    void PutCheck(int id, int value) const;
    int GetCheck(int id) const;
    // Check boxes `ids` from `values`, and back, position by position.
    void PutChecks(std::span<const int> ids, std::span<const int> values) const;
    void GetChecks(std::span<const int> ids, std::span<int> values) const;
    void PutText(int id, const QString& text) const;
    QString GetText(int id) const;
    // Entries are added in the given order; a position outside the list selects nothing.
    void FillList(int id, std::span<const std::string_view> entries) const;
    void PutListIndex(int id, int index) const;
    int GetListIndex(int id) const;  // -1 when nothing is selected
    // The checked one of the radio buttons `ids` (in group order), -1 when none; a position
    // outside the group clears them all.
    void PutRadioIndex(std::span<const int> ids, int index) const;
    int GetRadioIndex(std::span<const int> ids) const;
    void EnableControls(std::span<const int> ids, bool enable) const;

private:
    DialogControls controls_;
};
