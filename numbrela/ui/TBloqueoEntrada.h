#pragma once
// While a long piece of work lets pending events run, the windows keep painting but no
// click, key or close reaches them: installed on the application, it swallows user input
// for every window except the one given (the progress window).
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace numbrela::ui {

class TBloqueoEntrada : public QObject {
    Q_OBJECT
public:
    explicit TBloqueoEntrada(QWidget* permitida = nullptr);
    ~TBloqueoEntrada() override;
    int Descartados() const { return descartados_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    QPointer<QWidget> permitida_;
    int descartados_ = 0;
};

} // namespace numbrela::ui
