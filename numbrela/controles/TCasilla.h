#pragma once
// A check box whose key (Alt and its underlined letter) changes it at once. Qt's own check
// box animates a click for a tenth of a second before it changes, so a key that closes the
// dialog right after it (a choice made by keys in one go) would find the old state.
#include <QCheckBox>

namespace numbrela::ui {

class TCasilla : public QCheckBox {
public:
    TCasilla(const QString& texto, QWidget* parent) : QCheckBox(texto, parent) {}

protected:
    bool event(QEvent* e) override;
};

} // namespace numbrela::ui
