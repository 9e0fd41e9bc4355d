#pragma once
// "¿A qué boleto desea ir?": a slip number of up to five digits; accept 1, cancel 2.
#include "controles/TDialogo.h"

class QLineEdit;

namespace numbrela::ui {

class TDialogoIrBoleto : public TDialogo {
    Q_OBJECT
public:
    explicit TDialogoIrBoleto(QWidget* parent);
    QString Texto() const;
    QLineEdit* Edicion() const { return edit_; }

private:
    QLineEdit* edit_;
};

} // namespace numbrela::ui
