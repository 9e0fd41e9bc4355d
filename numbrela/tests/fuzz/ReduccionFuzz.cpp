// Any bytes as a reduction file: the ".RLV" and ".RLF" readers and the load into a bet set
// must refuse or accept them without reading or allocating outside what was checked, and
// whatever loads must unrank to positions within 1..n.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "generation/FicheroReduccion.h"
#include "generation/Reducidas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace numbrela;
    static const std::filesystem::path carpeta = [] {
        auto p = std::filesystem::temp_directory_path() /
                 ("numbrela-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    static const bool limpieza = [] {
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(carpeta, ec);
        });
        return true;
    }();
    (void)limpieza;
    const auto fichero = carpeta / "COM7-5-5.RLF";
    {
        std::ofstream f(fichero, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TReduccionLeida leida;
    const int n = size > 0 ? 7 + data[0] % 43 : 7;
    if (LeeRlv(fichero, n, leida) == TFalloLectura::Ninguno)
        for (std::uint32_t r : leida.Rangos)
            if (r == 0 || r > kBinomio(n, 6))
                std::abort();
    TReducidas motor(carpeta);
    TConjuntoApuestas conjunto(&motor);
    std::string error;
    if (motor.AbreConFijo(conjunto, fichero, error)) {
        const int m = conjunto.Cabecera.TotalReducidos;
        motor.Calcular(m);
        for (std::uint32_t r : conjunto.BufferRangos) {
            std::uint8_t p[6];
            motor.TomarCombinacion(r, p);
            for (int t = 0; t < 6; ++t)
                if (p[t] < 1 || p[t] > m || (t > 0 && p[t] <= p[t - 1]))
                    std::abort();
        }
    }
    return 0;
}
