#pragma once
// The biorhythm of luck: one bar a day of a month, its height read from "BRMO.DAT" at an
// offset made of the user's name and the month.
#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "luck/SesionSuerte.h"

namespace numbrela {

inline constexpr const char* kFicheroBiorritmo = "BRMO.DAT";
inline constexpr const char* kMsgSinUsuarioBiorritmo =
    "No hay usuario establecido. Vaya a AZARIX->DATOS DE USUARIO y establezca uno";
inline constexpr const char* kMsgSinMesAnio =
    "No ha escogido MES y AÑO correctamente para realizar el Biorritmo";
inline constexpr const char* kMsgErrorBiorritmo =
    "Ha habido un error cargando el archivo de Biorritmos BRMO.DAT o falta memoria RAM";

constexpr int kPrimerAnioBiorritmo = 1998; // the year list of the window
constexpr int kUltimoAnioBiorritmo = 2010;
constexpr int kAlturaMaximaBarra = 206; // the full chart, down to the base line
constexpr int kAlturaBarraCero = 5;     // a zero byte still shows a small bar
constexpr std::uintmax_t kMaxBiorritmo = 64u << 20;

// Days of month `mes` (1..12) of `anio` in the Gregorian calendar.
int DiasDelMes(int mes, int anio);

struct TFecha {
    int Dia = 0;
    int Mes = 0;
    int Anio = 0;
};

// The probe date of a month: its last day when it has 29 to 31 days, the first of March
// when it has 28.
TFecha FechaSonda(int mes, int anio);

struct TBarraBiorritmo {
    std::int64_t Desplazamiento = 0; // offset into the data file
    bool Visible = false;            // false when the offset lies past the file's end
    int Altura = 0;                  // pixels, 5 for a zero byte
};

struct TBiorritmo {
    int Dias = 0; // day numbers 1..Dias are shown
    std::int64_t Base = 0;
    int Paso = 0; // bytes between two days (the probe's month)
    std::array<TBarraBiorritmo, 31> Barras{};
    std::string Error; // message to show; bars then stay hidden
};

// The offsets of every day of the month for a name, without the data file.
TBiorritmo DesplazamientosBiorritmo(const std::string& nombre, int mes, int anio);

// The band (0 "Excelente" .. 4 "Floja") a bar of `altura` pixels ends in: bars hang from
// two pixels into the first band, each band is 40 pixels high, and the longest bars
// reach past the last band down to the base line.
int BandaDeBarra(int altura);

// Fills the bars of `b` from the data file's bytes: a bar whose offset lies at or past the
// end stays hidden.
void LeeBarras(TBiorritmo& b, std::span<const std::uint8_t> datos);

// "&Calcular": checks the user and the month and year chosen (0 = none chosen), reads the
// data file from `carpeta` and fills the bars. A bar whose offset lies at or past the end
// of the file stays hidden.
TBiorritmo CalculaBiorritmo(const TSesionSuerte& sesion, int mes, int anio,
                            const std::filesystem::path& carpeta);

} // namespace numbrela
