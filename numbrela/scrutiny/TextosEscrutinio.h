#pragma once
// The fixed texts of the windows of scrutiny, simulation and listing, and of the bet-file
// dialogs, so that the windows only show what the core gives them.
namespace numbrela::textos {

// Draw-entry window.
inline constexpr const char* kTituloEntrada = "Escrutar apuestas...";
inline constexpr const char* kRotuloEntrada = "Introduzca los numeros premiados en el sorteo";
inline constexpr const char* kComplementario = "Complementario";
inline constexpr const char* kAutomatico = "Automático";
inline constexpr const char* kRealizar = "Realizar";
inline constexpr const char* kSorteosAutomaticamente = "sorteos automáticamente";
inline constexpr const char* kComenzar = "Comenzar";
inline constexpr const char* kComprobandoSorteo = "Comprobando sorteo nº";
inline constexpr const char* kEtiquetasSimulacion[6] = {"6", "5C", "5", "4", "3", "F"};
inline constexpr int kAltoEntradaAutomatico = 518;   // the window grows to this height
inline constexpr int kSubidaEntradaAutomatico = 200; // and moves this many pixels up

// Results window.
inline constexpr const char* kTituloResultados = "Resultados del escrutinio";
inline constexpr const char* kRotuloResultados = "Apuestas premiadas ";

// Listing window.
inline constexpr const char* kTituloListado = "Listado de apuestas y escrutinio";
inline constexpr const char* kImprimir = "Imprimir";
inline constexpr const char* kDe = "de";
inline constexpr const char* kCerrar = "Cerrar";

// Print preview: the printing's progress and its failure.
inline constexpr const char* kImprimiendoPagina = "Imprimiendo página ";
inline constexpr const char* kErrorImprimir =
    "Error: No se ha podido imprimir el listado. Compruebe la impresora o el archivo elegido";

// Bet-file dialogs and the file panel.
inline constexpr const char* kTituloAbrir = "Cargar apuesta desde disco...";
inline constexpr const char* kFiltroAbrir = "Archivos de apuestas,*.apu|*.apu";
inline constexpr const char* kTituloGrabar = "Guardar apuesta en disco...";
inline constexpr const char* kFiltroGrabar = "archivos de apuestas,*.apu|*.apu";
inline constexpr const char* kExtension = "apu";
inline constexpr const char* kPreguntaSobreescribir = "El archivo existe, Desea SOBREESCRIBIRLO?";
inline constexpr const char* kPanelSinFichero = "Archivo: NINGUNO";

} // namespace numbrela::textos
