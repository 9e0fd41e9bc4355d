#pragma once
// The planner's help window: the contents on the left, the page on the right, back and
// forward, and a search over the pages. The pages are built into the program; which pages
// there are, their order and what a search finds come from TIndiceAyuda. There is one help
// window per main window: opening the help again brings it forward.
#include <QStringList>
#include <QWidget>

#include "ayuda/IndiceAyuda.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace numbrela::ui {

class TVentanaAyuda : public QWidget {
    Q_OBJECT
public:
    // Where the pages are: "qrc:/ayuda/".
    static const QString kBase;

    // Opens the one help window of the main window `desde` belongs to at `pagina` (a
    // page's file name), creating it the first time. Opened from a modal window, the help
    // stands beside that window and takes clicks while it is open.
    static TVentanaAyuda* Abre(QWidget* desde, const QString& pagina = kPaginaContenido);
    // The help window of `desde`'s main window, if one was opened.
    static TVentanaAyuda* De(QWidget* desde);

    const TIndiceAyuda& Indice() const { return indice_; }
    QTextBrowser* Navegador() const { return navegador_; }
    QLineEdit* CampoBusqueda() const { return busqueda_; }
    // The page on show: its file name, or empty for a search's answer.
    QString PaginaActual() const;

    void MuestraPagina(const QString& pagina);
    void Busca(const QString& consulta);

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;
    // Escape closes the window, from whichever of its controls has the focus.
    void keyPressEvent(QKeyEvent* e) override;

private:
    explicit TVentanaAyuda(QWidget* raiz);
    void CargaPaginas();
    void SenalaEnContenido(const QUrl& url);
    // Becomes a window of `padre`: the modal window it was opened from, or the main window.
    void Acompana(QWidget* padre);

    QWidget* raiz_;
    TIndiceAyuda indice_;
    QListWidget* contenido_ = nullptr;
    QTextBrowser* navegador_ = nullptr;
    QLineEdit* busqueda_ = nullptr;
    QPushButton* atras_ = nullptr;
    QPushButton* adelante_ = nullptr;
    QStringList busquedas_; // every search of this window, by the number its answer is served at
};

} // namespace numbrela::ui
