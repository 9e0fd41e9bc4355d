#pragma once
// The main window's file commands: "&Abrir...", "A&brir de nuevo", "&Grabar" and
// "G&rabar como...", with their dialogs and messages. The reading and writing are the
// core's (FicheroApuestas); the window shows what they return.
#include <QObject>
#include <QString>
#include <filesystem>
#include <optional>

#include "files/FicheroApuestas.h"

class QAction;
class QWidget;

namespace numbrela::ui {

class TOrdenesFichero : public QObject {
    Q_OBJECT
public:
    // `abrirDeNuevo` is the item under "A&brir de nuevo": it carries the last file saved
    // in the program folder `carpeta`.
    TOrdenesFichero(QWidget* ventana, TConjuntoApuestas& conjunto, std::filesystem::path carpeta,
                    QAction* abrirDeNuevo);

    // Each opening returns what to show, or nothing when no file was chosen. A failure
    // was shown already.
    std::optional<TResultadoApertura> Abrir();
    std::optional<TResultadoApertura> AbrirDeNuevo();
    TResultadoApertura Abre(const QString& ruta);

    // "&Grabar" (while enabled) and "G&rabar como...". Messages are shown here.
    void Grabar();
    void GrabarComo();

    // The path under "A&brir de nuevo", empty before any file was saved.
    QString RutaAbrirDeNuevo() const;

private:
    void LeeUltimo();
    void Avisa(const std::string& mensaje);

    QWidget* ventana_;
    TConjuntoApuestas& conjunto_;
    std::filesystem::path carpeta_;
    QAction* abrirDeNuevo_;
};

} // namespace numbrela::ui
