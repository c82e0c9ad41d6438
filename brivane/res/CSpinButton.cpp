#include "res/CSpinButton.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CSpinButton::CSpinButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (auto [button, arrow, steps] : {std::tuple{up_, Qt::UpArrow, 1}, std::tuple{down_, Qt::DownArrow, -1}}) {
        button->setArrowType(arrow);
        button->setAutoRepeat(true);  // held down, the arrows keep stepping
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        layout->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, steps = steps] { Step(steps); });
    }
}

void CSpinButton::SetBuddy(QLineEdit* buddy)
{
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_)
        buddy_->installEventFilter(this);
}

void CSpinButton::SetRange(int lower, int upper)
{
    lower_ = lower;
    upper_ = upper;
}

int CSpinButton::Pos() const
{
    bool ok = false;
    const int typed = buddy_ ? buddy_->text().trimmed().toInt(&ok) : 0;
    return ok ? typed : pos_;
}

void CSpinButton::Step(int steps)
{
    const int low = std::min(lower_, upper_);
    const int high = std::max(lower_, upper_);
    const int direction = upper_ >= lower_ ? 1 : -1;
    const long long moved = static_cast<long long>(std::clamp(Pos(), low, high)) + static_cast<long long>(steps) * direction;
    pos_ = static_cast<int>(std::clamp<long long>(moved, low, high));
    if (buddy_) {
        buddy_->setText(QString::number(pos_));
        buddy_->selectAll();
    }
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event)
{
    // The event type first: the partner also sends events while it is being destroyed, when it
    // must no longer be looked at as a text box.
    if (event->type() == QEvent::KeyPress && watched == buddy_ && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
