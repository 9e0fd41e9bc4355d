#pragma once
// The texts of the reduction dialogs, the table of reductions and the progress window,
// kept with the rules so the windows only show them.
namespace numbrela::textos {

inline constexpr const char* kCaptionTipoReduccion = "Escoja el tipo de Reducción que desea";
inline constexpr const char* kTituloTipoReduccion = "¿Qué tipo de reducción debe aplicarse?";
inline constexpr const char* kVerTabla = "Ver tabla de Reducciones";
inline constexpr const char* kTituloNumerosReduccion = "Escoja los números que desea reducir";
inline constexpr const char* kSubtituloNumerosReduccion = "Pulse dos veces para dejar fijo";
inline constexpr const char* kTituloConFijos = "No se pueden editar apuestas";
inline constexpr const char* kSubtituloConFijos = "Con que contienen fijos";
inline constexpr const char* kBorrarTodos = "Borrar todos";
inline constexpr const char* kTotalReducidos = "Total Reducidos:";
inline constexpr const char* kTotalFijos = "Total Fijos:";
inline constexpr const char* kCaptionTabla = "Reducciones y sus precios";
inline constexpr const char* kTituloTabla = "Tabla de reducciones directas, al 5, 4 y 3";
inline constexpr const char* kErrorLectura =
    "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
inline constexpr const char* kReduccionNoDisponible =
    "Esa reducción no está disponible: no existe su archivo de reducción";
inline constexpr const char* kApuestasGeneradas = "Apuestas generadas: ";
inline constexpr const char* kDisenoCompacto =
    "Diseño &compacto: la misma garantía con menos apuestas";
inline constexpr const char* kNombreDisenoCompacto = "Diseño compacto";
inline constexpr const char* kCompactaSinNumeros =
    "Las apuestas de cada reducción, de la tabla y compacta, se ven al escoger los números";

} // namespace numbrela::textos
