#include "controles/TCasilla.h"

#include <QShortcutEvent>

namespace numbrela::ui {

bool TCasilla::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut && isEnabled() &&
        !static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QCheckBox::event(e);
}

} // namespace numbrela::ui
