#pragma once
// The texts of the main window and the dialogs, kept with the rules so the windows only
// show them.
namespace numbrela::textos {

inline constexpr const char* kTituloPrograma = "Numbrela Pro 1.36";
inline constexpr const char* kAtencion = "Atención !!!";

inline constexpr const char* kPreguntaSalir = "¿Está seguro de que desea salir de Numbrela?";
inline constexpr const char* kCaptionTipo = "Introduzca el tipo de apuestas que desea realizar";
inline constexpr const char* kTituloTipo = "¿Qué tipo de apuestas desea realizar?";
inline constexpr const char* kCaptionNumApuestas =
    "Introduzca el número de apuestas que quiere jugar";
inline constexpr const char* kTituloNumApuestas = "¿Número de Apuestas?";
inline constexpr const char* kCrear = "Crear";
inline constexpr const char* kAnadir = "Añadir";
inline constexpr const char* kValorIncorrecto = "Valor incorrecto. Inténtelo de nuevo";
inline constexpr const char* kCaptionMultiple = "Marque la cantidad de CRUCES ";
inline constexpr const char* kTituloMultiple = "¿Qué tipo de Apuesta Múltiple Desea Realizar?";
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
inline constexpr const char* kCaptionNumerosApuesta = "Elección de Números";
inline constexpr const char* kTituloNumerosApuesta = "Marque los NUMEROS de la Apuesta ";
inline constexpr const char* kTituloIrBoleto = "¿A qué boleto desea ir?";
inline constexpr const char* kCaptionNombre = "Introducción de nombre";
inline constexpr const char* kTituloNombre = "Introduzca el nombre que quiere asignar";
inline constexpr const char* kCaptionInformacion = "Información sobre Numbrela® Profesional";
inline constexpr const char* kCaptionTabla = "Reducciones y sus precios";
inline constexpr const char* kTituloTabla = "Tabla de reducciones directas, al 5, 4 y 3";

inline constexpr const char* kNoExisteBoleto = "Error: No existe ese boleto";
inline constexpr const char* kErrorBoleto = "Error al introducir BOLETO";
inline constexpr const char* kApuestaOculta = "-Error: No está creada esa apuesta";
inline constexpr const char* kApuestaNoCreada = "Error: No está creada esa apuesta";
inline constexpr const char* kReducidasNoCambian =
    "Las apuestas reducidas no pueden cambiarse ya que desharía las combinaciones correctas";
inline constexpr const char* kErrorLectura =
    "Error: Se ha producido un error leyendo el archivo o el archivo no existe";
inline constexpr const char* kReduccionNoDisponible =
    "Esa reducción no está disponible: no existe su archivo de reducción";
inline constexpr const char* kSobreescribir = "El archivo existe, Desea SOBREESCRIBIRLO?";
inline constexpr const char* kApuestasGeneradas = "Apuestas generadas: ";
inline constexpr const char* kArchivoNinguno = "Archivo: NINGUNO";

// Pictures that may be missing: the program starts with plain surfaces and says which.
inline constexpr const char* kFaltaDibujo = "No se encuentra el dibujo ";

} // namespace numbrela::textos
