#pragma once
// What every dialog of the planner shares: a fixed size, no system buttons, centred on the
// screen, the granite background, a navy title panel with white text, picture buttons,
// Enter acting as the accept button. The dialog ends with a small result code: 1 accepted,
// 2 cancelled, others as each dialog says.
#include <QDialog>
#include <QString>

class QLabel;

namespace numbrela::ui {

class TShapeButton;

class TDialogo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kAceptado = 1;
    static constexpr int kCancelado = 2;

    TDialogo(QWidget* parent, const QString& caption, const QString& titulo, QSize tamano);

    QLabel* Titulo() const { return titulo_; }

protected:
    // A shaped button showing picture `dibujo` from the program folder at `pos`.
    // Without the picture it shows `sinDibujo` on a plain face.
    TShapeButton* CreaBoton(const QString& dibujo, QPoint pos, const QString& caption = QString(),
                            const QString& sinDibujo = QString());
    // The accept and cancel picture buttons, closing with `codigo`.
    TShapeButton* BotonAceptar(QPoint pos, int codigo = kAceptado);
    TShapeButton* BotonCancelar(QPoint pos, int codigo = kCancelado);
    // A label on the granite, in the dialogs' dark text.
    QLabel* Rotulo(const QString& texto, QRect r, bool negrita = false);

    // What Enter does; by default the same as the accept button.
    virtual void Intro() { done(kAceptado); }
    // The code a close without choice (Escape) ends with.
    virtual int CodigoSinEleccion() const { return kCancelado; }

    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;

public slots:
    void reject() override { done(CodigoSinEleccion()); }
    // Closing gives the keys back to the window underneath, also where no window manager
    // does it, so its shortcuts act again.
    void done(int codigo) override;

private:
    QLabel* titulo_;
};

} // namespace numbrela::ui
