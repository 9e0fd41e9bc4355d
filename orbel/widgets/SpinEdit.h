#pragma once
// An edit field with a pair of arrows beside it: the arrows (and the Up and Down keys in
// the field) step the number within its range, while anything may be typed, so the page's
// check still sees and refuses what is out of range.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace orbel {

class SpinEdit : public QWidget {
    Q_OBJECT
public:
    SpinEdit(int low, int high, const QString& accessibleName, QWidget* parent = nullptr);

    QLineEdit* Edit() { return edit_; }
    QString text() const;
    void setText(const QString& text);
    // One step up (+1) or down (-1), as the arrows give it.
    void Step(int by);

signals:
    // The user typed or stepped.
    void edited();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int low_, high_;
    QLineEdit* edit_;
    QToolButton *up_, *down_;
};

} // namespace orbel
