#include "principal/qt/TPrimeraActivacion.h"

#include <QApplication>
#include <QEvent>
#include <QThread>
#include <QWidget>

#include "controles/TBloqueoEntrada.h"

namespace numbrela::ui {
namespace {

// How often the action looks again while the program is busy.
constexpr int kReintentoMs = 50;

} // namespace

TPrimeraActivacion::TPrimeraActivacion(QWidget* ventana) : QObject(ventana)
{
    espera_.setInterval(0);
    connect(&espera_, &QTimer::timeout, this, &TPrimeraActivacion::Intenta);
    ventana->installEventFilter(this);
}

bool TPrimeraActivacion::Libre()
{
    return QApplication::activeModalWidget() == nullptr &&
           QApplication::activePopupWidget() == nullptr && !TBloqueoEntrada::HayBloqueo() &&
           QThread::currentThread()->loopLevel() <= 1;
}

bool TPrimeraActivacion::eventFilter(QObject* objeto, QEvent* e)
{
    if (!hecha_ && e->type() == QEvent::WindowActivate) {
        hecha_ = true;
        objeto->removeEventFilter(this);
        espera_.start(); // after the activation has been handled
    }
    return QObject::eventFilter(objeto, e);
}

void TPrimeraActivacion::Intenta()
{
    if (!Libre()) {
        espera_.setInterval(kReintentoMs);
        return;
    }
    espera_.stop();
    emit Lista();
}

} // namespace numbrela::ui
