#include "ui/TBloqueoEntrada.h"

#include <QCoreApplication>
#include <QEvent>

namespace numbrela::ui {

TBloqueoEntrada::TBloqueoEntrada(QWidget* permitida) : permitida_(permitida)
{
    QCoreApplication::instance()->installEventFilter(this);
}

TBloqueoEntrada::~TBloqueoEntrada()
{
    QCoreApplication::instance()->removeEventFilter(this);
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
    case QEvent::ContextMenu: {
        auto* w = qobject_cast<QWidget*>(objeto);
        if (w != nullptr && permitida_ != nullptr &&
            (w == permitida_ || permitida_->isAncestorOf(w)))
            return false;
        ++descartados_;
        e->ignore();
        return true;
    }
    default:
        return false;
    }
}

} // namespace numbrela::ui
