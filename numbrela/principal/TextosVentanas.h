#pragma once
// The texts of the main window and its dialogs, kept with the rules so the windows only
// show them.
namespace numbrela::textos {

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
inline constexpr const char* kCaptionNumerosApuesta = "Elección de Números";
inline constexpr const char* kTituloNumerosApuesta = "Marque los NUMEROS de la Apuesta ";
inline constexpr const char* kTituloIrBoleto = "¿A qué boleto desea ir?";
inline constexpr const char* kCaptionNombre = "Introducción de nombre";
inline constexpr const char* kTituloNombre = "Introduzca el nombre que quiere asignar";
inline constexpr const char* kNoExisteBoleto = "Error: No existe ese boleto";
inline constexpr const char* kErrorBoleto = "Error al introducir BOLETO";
inline constexpr const char* kApuestaOculta = "-Error: No está creada esa apuesta";
inline constexpr const char* kApuestaNoCreada = "Error: No está creada esa apuesta";
inline constexpr const char* kReducidasNoCambian =
    "Las apuestas reducidas no pueden cambiarse ya que desharía las combinaciones correctas";
inline constexpr const char* kArchivoNinguno = "Archivo: NINGUNO";

// Pictures that may be missing: the program starts with plain surfaces and says which.
inline constexpr const char* kFaltaDibujo = "No se encuentra el dibujo ";

} // namespace numbrela::textos
