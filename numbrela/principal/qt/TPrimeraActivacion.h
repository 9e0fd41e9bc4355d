#pragma once
// Emits Libre() once, after the first time a window is activated, as soon as the program
// is idle: no modal window, no pop-up menu, no input blocker and no nested event loop. So
// the dialogs its receivers open stand over a window that is fully shown, and never open
// inside a message box's loop or a long piece of work where no input would reach them.
#include <QObject>
#include <QTimer>

namespace numbrela::ui {

class TPrimeraActivacion : public QObject {
    Q_OBJECT
public:
    explicit TPrimeraActivacion(QWidget* ventana);

    bool Hecha() const { return hecha_; }

    // Whether the program is idle enough for a window of its own.
    static bool Libre();

signals:
    // The window has been activated and the program is idle; emitted once.
    void Lista();

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void Intenta();

    QTimer espera_;
    bool hecha_ = false;
};

} // namespace numbrela::ui
