#pragma once
// The slip picture of the printing window: the slip, the arrow and words saying which
// way it goes into the printer, and the teal frame where the print will fall, drawn by
// inverting the picture. The frame follows the slip origin, one pixel per unit moved.
#include <QImage>
#include <QWidget>

namespace numbrela {

class TCuadroBoleto : public QWidget {
    Q_OBJECT
public:
    static constexpr int kAncho = 320;
    static constexpr int kAlto = 160;

    explicit TCuadroBoleto(QWidget* parent = nullptr);

    // Offset of the frame from its place at the default origin, in pixels.
    void FijaDesplazamiento(QPoint desplazamiento);
    // Where the frame is drawn.
    QRect Marco() const;

signals:
    void pulsado();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage boleto_;
    QPoint desplazamiento_;
};

} // namespace numbrela
