#include "controles/TTemporizador.h"

#include <QTimer>

namespace numbrela::ui {
namespace {

class TTemporizadorQt : public TTemporizador {
public:
    TTemporizadorQt() { connect(&timer_, &QTimer::timeout, this, &TTemporizador::Vence); }
    void Arranca(int ms) override { timer_.start(ms); }
    void Para() override { timer_.stop(); }
    bool Activo() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<TTemporizador> TemporizadorQt()
{
    return std::make_unique<TTemporizadorQt>();
}

} // namespace numbrela::ui
