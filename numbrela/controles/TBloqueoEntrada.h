#pragma once
// While a long piece of work lets pending events run, the windows keep painting but no
// click, key or close reaches them: installed on the application, it swallows user input
// for every window that was on screen when it went up, except its own (the progress
// window). A window opened after it (a message box, a dialog) takes input as usual, so
// whatever the work asks of the user can be answered.
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace numbrela::ui {

class TBloqueoEntrada : public QObject {
    Q_OBJECT
public:
    explicit TBloqueoEntrada(QWidget* propia = nullptr);
    ~TBloqueoEntrada() override;
    int Descartados() const { return descartados_; }

    // Whether a blocker is up anywhere in the program.
    static bool HayBloqueo() { return activos_ > 0; }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    bool Bloqueada(QObject* objeto) const;

    QPointer<QWidget> propia_;
    std::vector<QPointer<QWidget>> anteriores_; // the windows on screen when it went up
    int descartados_ = 0;
    static inline int activos_ = 0;
};

} // namespace numbrela::ui
