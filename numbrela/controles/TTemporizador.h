#pragma once
// The repeating timer a window's countdown or show runs on. Windows take one as a
// parameter, so a test fires it by hand instead of waiting for the clock.
#include <QObject>
#include <memory>

namespace numbrela::ui {

class TTemporizador : public QObject {
    Q_OBJECT
public:
    // (Re)starts the timer: Vence is emitted every `ms` milliseconds from now.
    virtual void Arranca(int ms) = 0;
    virtual void Para() = 0;
    virtual bool Activo() const = 0;

signals:
    void Vence();
};

// The window system's timer.
std::unique_ptr<TTemporizador> TemporizadorQt();

} // namespace numbrela::ui
