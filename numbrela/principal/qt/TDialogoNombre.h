#pragma once
// "Introducción de nombre": a name of up to 100 characters of any kind; accept 1, cancel 2.
#include "controles/TDialogo.h"

class QLineEdit;

namespace numbrela::ui {

class TDialogoNombre : public TDialogo {
    Q_OBJECT
public:
    TDialogoNombre(QWidget* parent, const QString& actual);
    QString Texto() const;
    QLineEdit* Edicion() const { return edit_; }

private:
    QLineEdit* edit_;
};

} // namespace numbrela::ui
