#pragma once
// A pair of up/down arrows that steps the integer in a partner text box. The partner keeps free
// text: the arrows (and the Up/Down keys inside the partner) read its number, move it one step
// within the range and write it back as a plain integer; what the user types is never corrected.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

class CSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit CSpinButton(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    QLineEdit* Buddy() const { return buddy_; }

    // Lower and upper end of what the arrows produce; the up arrow moves towards `upper`.
    void SetRange(int lower, int upper);
    int Lower() const { return lower_; }
    int Upper() const { return upper_; }

    // The position: the partner's number when it holds one, else the last position written.
    int Pos() const;
    // Moves `steps` from the position (clamped into the range first) and writes the result.
    void Step(int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> buddy_;
    int lower_ = 0;
    int upper_ = 100;
    int pos_ = 0;
};
