#pragma once
// The slip picture of the main window (Image1): shows the working copy with its crosses
// and reports where it was clicked.
#include <QLabel>

namespace numbrela::ui {

class TImagenBoleto : public QLabel {
    Q_OBJECT
public:
    explicit TImagenBoleto(QWidget* parent = nullptr);

signals:
    void pulsado(QPoint punto, Qt::MouseButton boton);

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace numbrela::ui
