// Any bytes as USUARIOS.DB, BRMO.DAT and LUCKY.DAT, read in memory: the readers never read
// past an end, never trust the count beyond the records present, and adding a user keeps
// every earlier record and every byte that followed them.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "luck/Biorritmo.h"
#include "luck/FicheroUsuarios.h"
#include "luck/NumerosSuerte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tam)
{
    using namespace numbrela;
    const std::span<const std::uint8_t> bytes(datos, tam);
    const auto usuarios = UsuariosDeBytes(bytes);
    const std::size_t enteros = tam == 0 ? 0 : (tam - 1) / kTamUsuario;
    if (usuarios.size() > enteros || usuarios.size() > kMaxUsuarios)
        std::abort();
    for (std::size_t i = 0; i < usuarios.size(); ++i)
        if (UsuarioDeBytes(bytes, static_cast<int>(i))->NombreCompleto !=
            usuarios[i].NombreCompleto)
            std::abort();
    if (UsuarioDeBytes(bytes, static_cast<int>(usuarios.size())) || UsuarioDeBytes(bytes, -1))
        std::abort();

    TUsuario nuevo;
    nuevo.NombreCompleto = "Nuevo";
    nuevo.Dia = 1;
    nuevo.Mes = 2;
    nuevo.Anio = 1990;
    const auto conNuevo = BytesConUsuario(bytes, nuevo);
    if (conNuevo.has_value() != (usuarios.size() < kMaxUsuarios))
        std::abort();
    if (conNuevo) {
        // One record more, and nothing of the old bytes lost.
        if (conNuevo->size() != (tam == 0 ? 1 : tam) + kTamUsuario)
            std::abort();
        const auto despues = UsuariosDeBytes(*conNuevo);
        if (despues.size() != usuarios.size() + 1 || despues.back().NombreCompleto != "Nuevo")
            std::abort();
        for (std::size_t i = 0; i < usuarios.size(); ++i)
            if (despues[i].NombreCompleto != usuarios[i].NombreCompleto ||
                despues[i].Anio != usuarios[i].Anio)
                std::abort();
    }

    // The same bytes as the data files, read for every stored user.
    for (const TUsuario& u : usuarios) {
        TBiorritmo b =
            DesplazamientosBiorritmo(u.NombreCompleto, 1 + u.Mes % 12, 1998 + u.Dia % 13);
        LeeBarras(b, bytes);
        for (const auto& barra : b.Barras)
            if (barra.Visible && (barra.Desplazamiento < 0 ||
                                  barra.Desplazamiento >= static_cast<std::int64_t>(tam)))
                std::abort();
        const TNumerosSuerte n = NumerosSuerteDe(u, bytes);
        if (n.Error.empty() && DesplazamientoSuerte(u) + 3 > static_cast<std::int64_t>(tam))
            std::abort();
    }
    return 0;
}
