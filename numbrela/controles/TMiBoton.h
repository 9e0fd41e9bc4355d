#pragma once
// A panel with a caption that acts as a button: raised with a lowered inner bevel and a
// single border, sunk deeper and borderless while the mouse button is held on it.
#include <QColor>
#include <QString>
#include <QWidget>

namespace numbrela::ui {

class TMiBoton : public QWidget {
    Q_OBJECT
public:
    explicit TMiBoton(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColors(const QColor& fondo, const QColor& texto);
    bool isDown() const { return down_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QString caption_;
    QColor fondo_{128, 0, 0};
    QColor texto_{255, 255, 0};
    bool down_ = false;
};

} // namespace numbrela::ui
