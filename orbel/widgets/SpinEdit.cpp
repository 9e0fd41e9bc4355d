#include "widgets/SpinEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "options/OptionsPages.h"

namespace orbel {

SpinEdit::SpinEdit(int low, int high, const QString& name, QWidget* parent)
    : QWidget(parent), low_(low), high_(high)
{
    edit_ = new QLineEdit(this);
    edit_->setAccessibleName(name);
    edit_->installEventFilter(this);
    // Wide enough for the longest number of the range and its sign.
    const int digits =
        static_cast<int>(std::max(std::to_string(low).size(), std::to_string(high).size()));
    edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QString(digits + 3, '0')) + 8);
    setFocusProxy(edit_);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto makeArrow = [&](Qt::ArrowType arrow, const QString& what, int by) {
        auto* b = new QToolButton(this);
        b->setArrowType(arrow);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setAccessibleName(what + QStringLiteral(" ") + name.toLower());
        b->setFixedSize(16, std::max(edit_->sizeHint().height() / 2, 10));
        connect(b, &QToolButton::clicked, this, [this, by] { Step(by); });
        return b;
    };
    up_ = makeArrow(Qt::UpArrow, tr("Increase"), 1);
    down_ = makeArrow(Qt::DownArrow, tr("Decrease"), -1);
    connect(edit_, &QLineEdit::textEdited, this, &SpinEdit::edited);
    auto* arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit_);
    row->addLayout(arrows);
}

QString SpinEdit::text() const
{
    return edit_->text();
}

void SpinEdit::setText(const QString& text)
{
    edit_->setText(text);
}

void SpinEdit::Step(int by)
{
    // A number out of range steps back into it; what is no number steps from 0.
    const int from = ParseIntegerInRange(edit_->text().toStdString(), -999999999, 999999999)
                         .value_or(std::clamp(0, low_, high_));
    const int next = std::clamp(from + by, low_, high_);
    edit_->setText(QString::number(next));
    emit edited();
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == edit_ && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace orbel
