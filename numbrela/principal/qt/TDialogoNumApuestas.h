#pragma once
// "¿Número de Apuestas?": a count of up to eight digits. "Crear" closes with 4, "Añadir"
// with 5 (only when opened from "&Apuestas"), both refusing an empty entry; cancel 2;
// Enter is "Crear".
#include "controles/TDialogo.h"

class QLineEdit;

namespace numbrela::ui {

class TShapeButton;

class TDialogoNumApuestas : public TDialogo {
    Q_OBJECT
public:
    static constexpr int kCrear = 4;
    static constexpr int kAnadir = 5;

    TDialogoNumApuestas(QWidget* parent, bool conAnadir);
    QString Texto() const;
    QLineEdit* Edicion() const { return edit_; }

protected:
    void Intro() override { Cierra(kCrear); }

private:
    void Cierra(int codigo);
    QLineEdit* edit_;
};

} // namespace numbrela::ui
