#pragma once
// Helpers that act as a user in front of the planner's windows: answer the modal dialog
// that opens next, click shaped buttons where they are drawn, record the message boxes.
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "controles/TDibujos.h"
#include "controles/TServicios.h"
#include "controles/TShapeButton.h"

namespace numbrela::ui::prueba {

// Each test starts a new epoch; a handler left waiting by an earlier test gives up.
inline int& Epoca()
{
    static int epoca = 0;
    return epoca;
}

// Runs `accion` on the next modal dialog of type D once it is shown. Polls, because the
// dialog appears only when the caller's exec() starts its loop.
template <class D>
void AlAbrirse(std::function<void(D*)> accion, int intentos = 200, int epoca = -1)
{
    if (epoca < 0)
        epoca = Epoca();
    QTimer::singleShot(5, [accion, intentos, epoca] {
        if (epoca != Epoca())
            return;
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            d != nullptr && d->isVisible()) {
            accion(d);
            return;
        }
        if (intentos > 0)
            AlAbrirse<D>(accion, intentos - 1, epoca);
    });
}

// Dialogs opened without the main window read their pictures from the build's folder.
inline void UsaCarpetaDelPrograma()
{
    TDibujos::FijaCarpeta(TEST_PROGRAM_DIR);
}

// Shows a window and waits until it can take clicks.
inline bool Muestra(QWidget& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// A left click in the middle of a shaped button (on its shape).
inline void Pulsa(TShapeButton* b)
{
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() / 2, b->height() / 2));
}

template <class D> TShapeButton* BotonDe(D* dialogo, const char* nombre)
{
    return dialogo->template findChild<TShapeButton*>(nombre);
}

// Message boxes and file dialogs answered by the test; the messages are kept in order.
struct ServiciosDePrueba {
    QStringList Avisos;
    QString Abrir, Guardar;
    bool Respuesta = true;
    TServicios anteriores;

    ServiciosDePrueba()
    {
        ++Epoca();
        anteriores = TServicios::Actuales();
        TServicios& s = TServicios::Actuales();
        s.Avisa = [this](QWidget*, const QString& t) { Avisos << t; };
        s.Pregunta = [this](QWidget*, const QString& t) {
            Avisos << t;
            return Respuesta;
        };
        s.EligeAbrir = [this](QWidget*, const QString&, const QString&) { return Abrir; };
        s.EligeGuardar = [this](QWidget*, const QString&, const QString&, const QString&) {
            return Guardar;
        };
    }
    ~ServiciosDePrueba()
    {
        ++Epoca();
        TServicios::Actuales() = anteriores;
    }
    QString Ultimo() const { return Avisos.isEmpty() ? QString() : Avisos.back(); }
};

// A program folder of its own for one test: links to every delivered file of the build,
// so what the test writes (ULTIMO.DB, bet files) stays out of the build's folder.
class CarpetaPrograma {
public:
    CarpetaPrograma()
    {
        static int cuenta = 0;
        ruta_ = std::filesystem::temp_directory_path() /
                ("numbrela-qt-" + std::to_string(::getpid()) + "-" + std::to_string(++cuenta));
        std::filesystem::create_directories(ruta_);
        for (const auto& e : std::filesystem::directory_iterator(TEST_PROGRAM_DIR))
            if (e.is_regular_file())
                std::filesystem::create_symlink(e.path(), ruta_ / e.path().filename());
    }
    ~CarpetaPrograma()
    {
        std::error_code ec;
        std::filesystem::remove_all(ruta_, ec);
    }
    const std::filesystem::path& Ruta() const { return ruta_; }

private:
    std::filesystem::path ruta_;
};

// The name a screen reader hears for a control.
inline QString NombreAccesible(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    return i != nullptr ? i->text(QAccessible::Name) : QString();
}

} // namespace numbrela::ui::prueba
