#pragma once
// What the windows ask of the user outside their own dialogs: message boxes, a yes/no
// question and the file dialogs. Tests replace them to answer without a person.
#include <QString>
#include <functional>

class QWidget;

namespace numbrela::ui {

struct TServicios {
    std::function<void(QWidget*, const QString&)> Avisa;
    std::function<bool(QWidget*, const QString&)> Pregunta; // yes = true
    // The chosen path, or empty when cancelled.
    std::function<QString(QWidget*, const QString& titulo, const QString& filtro)> EligeAbrir;
    std::function<QString(QWidget*, const QString& titulo, const QString& filtro,
                          const QString& propuesto)>
        EligeGuardar;

    // The ones every window uses; the defaults show the platform's own boxes.
    static TServicios& Actuales();
};

} // namespace numbrela::ui
