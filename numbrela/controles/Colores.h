#pragma once
// The planner's window colours.
#include <QColor>
#include <cstdint>

namespace numbrela::ui::colores {

inline const QColor kGranate(128, 0, 0);
inline const QColor kAmarillo(255, 255, 0);
inline const QColor kVerdeAzulado(0, 128, 128);
inline const QColor kMarino(0, 0, 128);
inline const QColor kVerde(0, 128, 0);
inline const QColor kGris(192, 192, 192);

inline QColor DeRgb(std::uint32_t rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

} // namespace numbrela::ui::colores
