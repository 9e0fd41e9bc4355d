#pragma once
// "Tus 3 números": three lucky numbers read from "LUCKY.DAT" at an offset made of the
// current user's date of birth, shown after a countdown.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "luck/Usuario.h"

namespace numbrela {

inline constexpr const char* kFicheroSuerte = "LUCKY.DAT";
inline constexpr const char* kMsgSinUsuarioSuerte =
    "No ha escogido un usuario. Vaya a AZARIX->DATOS DE USUARIO y escoja uno";
inline constexpr const char* kMsgErrorSuerte = "Ha habido un error cargando el archivo LUCKY.DAT";
inline constexpr const char* kTextoInicialSuerte = "49"; // what the boxes show at first
constexpr int kIntervaloCuentaAtras = 150;               // ms between two ticks
constexpr std::uintmax_t kMaxSuerte = 16u << 20;

// (month + year + day) div 3 of the date of birth.
std::int64_t DesplazamientoSuerte(const TUsuario& usuario);

struct TNumerosSuerte {
    std::array<std::string, 3> Textos{kTextoInicialSuerte, kTextoInicialSuerte,
                                      kTextoInicialSuerte};
    std::string Error; // when set the boxes keep their first text
};

// The three numbers at the user's offset in the data file's bytes; bytes too short for
// them are a damaged file: the message, and nothing read.
TNumerosSuerte NumerosSuerteDe(const TUsuario& usuario, std::span<const std::uint8_t> datos);

// Reads the data file from `carpeta` and takes the three bytes at the user's offset. A
// file too short for them is treated as a damaged file: the message, and nothing read.
TNumerosSuerte CalculaNumerosSuerte(const TUsuario& usuario, const std::filesystem::path& carpeta);

// The countdown of the lucky-numbers window, driven by its timer.
class TCuentaAtrasSuerte {
public:
    enum class Paso { Sigue, Cierra, Muestra };

    explicit TCuentaAtrasSuerte(bool usuarioEstablecido) : usuario_(usuarioEstablecido) {}

    // The message to show on opening (no current user), or nothing.
    std::optional<std::string> AlAbrir() const;
    // One timer tick: without a user the window closes; otherwise the bar goes down by
    // one, and the tick that finds it at 0 shows the numbers (the timer then stops).
    Paso Tick();
    int Barra() const { return barra_; }
    bool Parado() const { return parado_; }

private:
    bool usuario_;
    int barra_ = 100;
    bool parado_ = false;
};

} // namespace numbrela
