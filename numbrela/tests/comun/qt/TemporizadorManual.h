#pragma once
// A timer the test fires by hand: a countdown of a hundred ticks runs in no time, and an
// Azarix show is stepped through line by line.
#include <vector>

#include "controles/TTemporizador.h"

namespace numbrela::ui::prueba {

class TemporizadorManual : public TTemporizador {
public:
    void Arranca(int ms) override
    {
        activo_ = true;
        Intervalos.push_back(ms);
    }
    void Para() override { activo_ = false; }
    bool Activo() const override { return activo_; }

    // One tick, as the window system would give it while the timer runs.
    void Dispara()
    {
        if (activo_)
            emit Vence();
    }

    std::vector<int> Intervalos; // every interval the timer was started with, in order

private:
    bool activo_ = false;
};

} // namespace numbrela::ui::prueba
