#pragma once
// A coloured panel with one line of text, bevelled like the planner's information boxes.
#include <QColor>
#include <QLabel>

namespace numbrela::ui {

class TPanel : public QLabel {
    Q_OBJECT
public:
    explicit TPanel(QWidget* parent = nullptr, const QColor& fondo = QColor(128, 0, 0),
                    const QColor& texto = QColor(255, 255, 0));
    void setColors(const QColor& fondo, const QColor& texto);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent*) override;
};

} // namespace numbrela::ui
