#include "controles/EleccionArchivo.h"

#include <QStringList>

#include "controles/TServicios.h"

namespace numbrela::ui {

QString FiltroQt(const TDialogoArchivo& dialogo)
{
    const auto [descripcion, patrones] = PartesFiltro(dialogo.Filtro);
    QStringList todos;
    // Names on this system tell case apart; the stored files may be in either.
    for (const std::string& p : patrones)
        for (const QString& q : {QString::fromStdString(p), QString::fromStdString(p).toUpper()})
            if (!todos.contains(q))
                todos << q;
    return QString::fromStdString(descripcion) + " (" + todos.join(' ') + ")";
}

QString EligeArchivo(QWidget* padre, const TDialogoArchivo& dialogo)
{
    return TServicios::Actuales().EligeAbrir(padre, QString::fromUtf8(dialogo.Titulo),
                                             FiltroQt(dialogo));
}

QString EligeArchivoGrabar(QWidget* padre, const TDialogoArchivo& dialogo, const QString& propuesto)
{
    const QString ruta = TServicios::Actuales().EligeGuardar(
        padre, QString::fromUtf8(dialogo.Titulo), FiltroQt(dialogo), propuesto);
    if (ruta.isEmpty())
        return ruta;
    return QString::fromStdString(ConExtension(ruta.toStdString(), dialogo.Extension));
}

} // namespace numbrela::ui
