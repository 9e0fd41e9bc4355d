#include "luck/SecuenciaAzarix.h"

namespace numbrela {

void TSecuenciaAzarix::Tick(TAzar& azar)
{
    if (terminada_)
        return;
    intervalo_ = azar.Uniforme(kMinIntervaloAzarix, kMaxIntervaloAzarix);
    switch (estado_.empty() ? '6' : estado_[0]) {
    case 'I':
        estado_ = "1) - Procesando datos, por favor espere...";
        break;
    case '1':
        estado_ = "2) - Reorganizando criterios de filtro...";
        break;
    case '2':
        estado_ = "3) - Eliminando apuestas segun criterios de filtro...";
        break;
    case '3':
        estado_ = "4) - Comparando apuestas con estadisticas anteriores...";
        break;
    case '4':
        estado_ = "5) - Eliminando apuestas segun estadisticas anteriores...";
        break;
    case '5':
        estado_ = "6) - Creando apuestas actuales especificas ...";
        break;
    default:
        terminada_ = true;
        break;
    }
}

} // namespace numbrela
