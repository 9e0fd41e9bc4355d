#include "controles/Accesibilidad.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

#include "controles/TMiBoton.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui {
namespace {

QString Rotulo(const QWidget* w)
{
    if (const auto* b = qobject_cast<const TShapeButton*>(w))
        return b->caption();
    if (const auto* b = qobject_cast<const TMiBoton*>(w))
        return b->caption();
    return {};
}

class TBotonAccesible : public QAccessibleWidget {
public:
    explicit TBotonAccesible(QWidget* w) : QAccessibleWidget(w, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty())
                return widget()->accessibleName();
            const QString nombre = NombreDeRotulo(Rotulo(widget()));
            return nombre.isEmpty() ? widget()->objectName() : nombre;
        }
        if (t == QAccessible::Accelerator) {
            const QKeySequence k = QKeySequence::mnemonic(Rotulo(widget()));
            return k.toString(QKeySequence::NativeText);
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        QStringList nombres = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            nombres.prepend(pressAction());
        return nombres;
    }

    void doAction(const QString& accion) override
    {
        if (accion == pressAction() && widget()->isEnabled() && widget()->isVisible())
            QMetaObject::invokeMethod(widget(), "clicked");
        else
            QAccessibleWidget::doAction(accion);
    }
};

QAccessibleInterface* Fabrica(const QString& clase, QObject* objeto)
{
    if (clase == QLatin1String(TShapeButton::staticMetaObject.className()) ||
        clase == QLatin1String(TMiBoton::staticMetaObject.className()))
        return new TBotonAccesible(static_cast<QWidget*>(objeto));
    return nullptr;
}

} // namespace

void InstalaAccesibilidad()
{
    static const bool instalada = [] {
        QAccessible::installFactory(Fabrica);
        return true;
    }();
    (void)instalada;
}

QString NombreDeRotulo(const QString& rotulo)
{
    QString s = rotulo;
    if (s.endsWith('|'))
        s.chop(1);
    QString r;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size())
            ++i; // "&&" is one "&", "&T" is "T"
        r += s[i];
    }
    return r;
}

void AvisaCambioDeNombre(QWidget* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent e(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

} // namespace numbrela::ui
