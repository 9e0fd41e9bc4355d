#pragma once
// "Escoja o Introduzca un usuario...": the current user of the luck tools is typed in or
// chosen among the users stored earlier in "USUARIOS.DB", and a typed user can be stored
// there. The window only shows fields; the session and the users file hold the rules.
#include <filesystem>
#include <optional>
#include <string>

#include "controles/TDialogo.h"
#include "luck/SesionSuerte.h"

class QComboBox;
class QLineEdit;

namespace numbrela::ui {

class TVentanaUsuario : public TDialogo {
    Q_OBJECT
public:
    TVentanaUsuario(QWidget* parent, TSesionSuerte& sesion, const std::filesystem::path& carpeta);

    QLineEdit* Nombre() const { return nombre_; }
    QComboBox* Dia() const { return dia_; }
    QComboBox* Mes() const { return mes_; }
    QLineEdit* Anio() const { return anio_; }
    QComboBox* Anteriores() const { return anteriores_; }

public slots:
    // Closing without acceptance gives back the user the window opened with, even after
    // an entry of the list or a stored user took its place meanwhile.
    void done(int resultado) override;

protected:
    void Intro() override { Acepta(); }
    void showEvent(QShowEvent* e) override;

private:
    void Acepta();
    void Introduce();
    void Elige(int indice);
    void MuestraFormulario(const TFormularioUsuario& f);
    TFormularioUsuario Formulario() const;
    void Avisa(const std::string& mensaje);

    TSesionSuerte& sesion_;
    TFicheroUsuarios fichero_;
    TUsuario alAbrir_;
    std::optional<std::string> errorAlAbrir_;
    QLineEdit* nombre_;
    QComboBox* dia_;
    QComboBox* mes_;
    QLineEdit* anio_;
    QComboBox* anteriores_;
};

} // namespace numbrela::ui
