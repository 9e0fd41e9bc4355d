#pragma once
// "Atención !!!": shown, always on top and without blocking, while a reduced system with
// fixed numbers is generated. It has no button: the generation is not to be interrupted.
#include <QWidget>

#include "generation/TextosReducidas.h"

class QLabel;

namespace numbrela::ui {

class TVentanaProgreso : public QWidget {
    Q_OBJECT
public:
    TVentanaProgreso(QWidget* parent, const TTextosProgreso& textos);
    // The count of bets found so far.
    void FijaApuestas(long long apuestas);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QLabel* cuenta_;
};

} // namespace numbrela::ui
