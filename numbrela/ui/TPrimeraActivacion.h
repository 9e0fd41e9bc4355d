#pragma once
// Runs an action once, the first time a window is activated, after the activation has
// been handled (so dialogs the action opens stand over a window that is fully shown).
#include <QObject>
#include <functional>

namespace numbrela::ui {

class TPrimeraActivacion : public QObject {
    Q_OBJECT
public:
    TPrimeraActivacion(QWidget* ventana, std::function<void()> accion);

    bool Hecha() const { return hecha_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    std::function<void()> accion_;
    bool hecha_ = false;
};

} // namespace numbrela::ui
