#include "ui/TPrimeraActivacion.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace numbrela::ui {

TPrimeraActivacion::TPrimeraActivacion(QWidget* ventana, std::function<void()> accion)
    : QObject(ventana), accion_(std::move(accion))
{
    ventana->installEventFilter(this);
}

bool TPrimeraActivacion::eventFilter(QObject* objeto, QEvent* e)
{
    if (!hecha_ && e->type() == QEvent::WindowActivate) {
        hecha_ = true;
        objeto->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { accion_(); });
    }
    return QObject::eventFilter(objeto, e);
}

} // namespace numbrela::ui
