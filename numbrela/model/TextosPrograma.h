#pragma once
// The texts every window of the program shares: its title, the warning's caption, the
// question before overwriting a file and the caption of its information.
namespace numbrela::textos {

inline constexpr const char* kTituloPrograma = "Numbrela Pro 1.36";
inline constexpr const char* kAtencion = "Atención !!!";
inline constexpr const char* kCaptionInformacion = "Información sobre Numbrela® Profesional";
inline constexpr const char* kSobreescribir = "El archivo existe, Desea SOBREESCRIBIRLO?";

} // namespace numbrela::textos
