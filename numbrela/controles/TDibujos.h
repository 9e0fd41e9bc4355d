#pragma once
// The pictures and the cursor the windows load from the program folder. A missing picture
// gives an empty image and is remembered, so the window can start with plain surfaces and
// say which file is missing.
#include <QCursor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <map>

namespace numbrela::ui {

namespace TDibujos {

// The folder every picture is read from; set once at start (and by tests).
void FijaCarpeta(const std::filesystem::path& carpeta);
std::filesystem::path Carpeta();

// The picture `nombre`, or an empty image when it cannot be read.
QImage Imagen(const QString& nombre);
// Custom cursor 1: the hand of "handpnt.cur"; the system's pointing hand without it.
QCursor Cursor1();
// Names of the pictures that could not be read so far, in the order asked for.
QStringList Faltan();
void OlvidaFaltan();

} // namespace TDibujos

} // namespace numbrela::ui
