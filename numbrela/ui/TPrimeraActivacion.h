#pragma once
// Runs an action once, after the first time a window is activated, as soon as the program
// is idle: no modal window, no pop-up menu, no input blocker and no nested event loop. So
// the dialogs the action opens stand over a window that is fully shown, and never open
// inside a message box's loop or a long piece of work where no input would reach them.
#include <QObject>
#include <QTimer>
#include <functional>

namespace numbrela::ui {

class TPrimeraActivacion : public QObject {
    Q_OBJECT
public:
    TPrimeraActivacion(QWidget* ventana, std::function<void()> accion);

    bool Hecha() const { return hecha_; }

    // Whether the program is idle enough for a window of its own.
    static bool Libre();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Intenta();

    std::function<void()> accion_;
    QTimer espera_;
    bool hecha_ = false;
};

} // namespace numbrela::ui
