// Any bytes as a reduction file, read in memory: the ".RLV" and ".RLF" readers must refuse
// or accept them without reading or allocating outside what was checked, and whatever
// loads must unrank to ascending positions within 1..n.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "generation/FicheroReduccion.h"
#include "generation/TablaRangos.h"

namespace {

void CompruebaRangos(const std::vector<std::uint32_t>& rangos, int n)
{
    static numbrela::TablaRangos tabla;
    tabla.Calcular(n);
    for (std::uint32_t r : rangos) {
        if (r == 0 || r > numbrela::kBinomio(n, 6))
            std::abort();
        std::uint8_t p[6];
        tabla.TomarCombinacion(r, p);
        for (int t = 0; t < 6; ++t)
            if (p[t] < 1 || p[t] > n || (t > 0 && p[t] <= p[t - 1]))
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace numbrela;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte picks n for the ".RLV" reading; the whole input is the file.
    const int n = size > 0 ? kMinReducidos + data[0] % (kMaxReducidos - kMinReducidos + 1) : 7;
    TReduccionLeida rlv;
    if (LeeRlvBytes(bytes, n, rlv) == TFalloLectura::Ninguno)
        CompruebaRangos(rlv.Rangos, n);
    TReduccionLeida rlf;
    if (LeeRlfBytes(bytes, rlf) == TFalloLectura::Ninguno) {
        if (!CabeceraReducidaCoherente(rlf.Cabecera))
            std::abort();
        CompruebaRangos(rlf.Rangos, rlf.Cabecera.TotalReducidos);
    }
    return 0;
}
