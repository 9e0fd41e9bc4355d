#pragma once
// The words and sizes of the luck tools' windows, so that the windows only show them.
namespace numbrela {

inline constexpr const char* kMeses[12] = {"Enero",      "Febrero", "Marzo",     "Abril",
                                           "Mayo",       "Junio",   "Julio",     "Agosto",
                                           "Septiembre", "Octubre", "Noviembre", "Diciembre"};

// User window.
inline constexpr const char* kTituloVentanaUsuario = "Escoja o Introduzca un usuario...";
inline constexpr const char* kCabeceraVentanaUsuario = "Introduzca sus datos";
inline constexpr const char* kEtiquetaNombre = "Nombre completo";
inline constexpr const char* kEtiquetaDia = "Día";
inline constexpr const char* kEtiquetaMes = "Mes";
inline constexpr const char* kEtiquetaAnio = "Año";
inline constexpr const char* kNotaUsuario = "Nota: para la correcta personificación de los "
                                            "resultados introduzca siempre sus datos correctos";
inline constexpr const char* kBotonIntroducirUsuario = "Introducir usuario en base datos";
inline constexpr const char* kListaUsuariosAnteriores = "Escoja usuario anterior...";
constexpr int kMaxCaracteresCampoNombre = 80;

// Biorhythm window: five bands of 40 pixels from the top, 31 bars hanging from 42 pixels
// below the client area's top, 17 pixels wide and about 19 apart.
inline constexpr const char* kTituloVentanaBiorritmo = "Biorritmo ";
inline constexpr const char* kCabeceraVentanaBiorritmo =
    "B I O R R I T M O   D E  L A  S U E R T E";
inline constexpr const char* kBandasBiorritmo[5] = {"Excelente", "Buena", "Media", "Regular",
                                                    "Floja"};
inline constexpr const char* kBotonCalcular = "&Calcular";
constexpr int kAltoBanda = 40;
constexpr int kArribaBarras = 42;
constexpr int kAnchoBarra = 17;
constexpr int kSeparacionBarras = 19;

// Lucky-numbers window.
inline constexpr const char* kTituloVentanaSuerte = "Apunta tus números de la suerte";
inline constexpr const char* kCabeceraVentanaSuerte = "Tus 3 números de la suerte son...";
inline constexpr const char* kTextoCalculando = "Calculando....";

// Draw-date window.
inline constexpr const char* kTituloVentanaFecha = "Atención !!!";
inline constexpr const char* kCabeceraVentanaFecha = "Introduzca la fecha del sorteo";

} // namespace numbrela
