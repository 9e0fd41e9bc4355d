#include "controles/TBloqueoEntrada.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>
#include <algorithm>

namespace numbrela::ui {
namespace {

// The top-level window an event's receiver belongs to: a widget's own window, the window
// behind a native window handle, or the window of the nearest widget among its owners (a
// shortcut or an action). Nothing when none can be told.
QWidget* VentanaDe(QObject* objeto)
{
    for (QObject* o = objeto; o != nullptr; o = o->parent()) {
        if (auto* w = qobject_cast<QWidget*>(o))
            return w->window();
        if (auto* ventana = qobject_cast<QWindow*>(o)) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->windowHandle() == ventana)
                    return w;
            return nullptr;
        }
    }
    return nullptr;
}

} // namespace

TBloqueoEntrada::TBloqueoEntrada(QWidget* propia) : propia_(propia)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != propia_)
            anteriores_.emplace_back(w);
    ++activos_;
    QCoreApplication::instance()->installEventFilter(this);
}

TBloqueoEntrada::~TBloqueoEntrada()
{
    QCoreApplication::instance()->removeEventFilter(this);
    --activos_;
}

bool TBloqueoEntrada::Bloqueada(QObject* objeto) const
{
    if (propia_ != nullptr) {
        if (auto* w = qobject_cast<QWidget*>(objeto); w == propia_ || propia_->isAncestorOf(w))
            return false;
    }
    QWidget* ventana = VentanaDe(objeto);
    if (ventana == nullptr)
        return true; // input of an unknown owner never acts meanwhile
    if (ventana == propia_)
        return false;
    return std::any_of(anteriores_.begin(), anteriores_.end(),
                       [ventana](const QPointer<QWidget>& w) { return w == ventana; });
}

bool TBloqueoEntrada::eventFilter(QObject* objeto, QEvent* e)
{
    switch (e->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::Close:
    case QEvent::ContextMenu:
        if (!Bloqueada(objeto))
            return false;
        ++descartados_;
        e->ignore();
        return true;
    default:
        return false;
    }
}

} // namespace numbrela::ui
