#include "controles/TDibujos.h"

#include <QFile>
#include <QPixmap>
#include <map>

namespace numbrela::ui {
namespace {

std::filesystem::path g_carpeta;
QStringList g_faltan;

QString Ruta(const QString& nombre)
{
    return QString::fromStdString((g_carpeta / nombre.toStdString()).string());
}

std::map<QString, QImage>& Cache()
{
    static std::map<QString, QImage> cache;
    return cache;
}

} // namespace

void TDibujos::FijaCarpeta(const std::filesystem::path& carpeta)
{
    if (carpeta != g_carpeta)
        Cache().clear();
    g_carpeta = carpeta;
}

std::filesystem::path TDibujos::Carpeta()
{
    return g_carpeta;
}

QImage TDibujos::Imagen(const QString& nombre)
{
    auto& cache = Cache();
    if (auto it = cache.find(nombre); it != cache.end())
        return it->second;
    QImage img(Ruta(nombre), "BMP");
    if (img.isNull() && !g_faltan.contains(nombre))
        g_faltan.append(nombre);
    cache[nombre] = img;
    return img;
}

QCursor TDibujos::Cursor1()
{
    static QCursor cursor = [] {
        const QString ruta = Ruta("handpnt.cur");
        QFile f(ruta);
        QImage img;
        int hx = 0, hy = 0;
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray datos = f.readAll();
            // The hot spot sits in the cursor file's directory entry, bytes 10 to 13.
            if (datos.size() >= 14) {
                hx = static_cast<unsigned char>(datos[10]) | static_cast<unsigned char>(datos[11])
                                                                 << 8;
                hy = static_cast<unsigned char>(datos[12]) | static_cast<unsigned char>(datos[13])
                                                                 << 8;
            }
            img.loadFromData(datos, "ICO");
        }
        if (img.isNull()) {
            if (!g_faltan.contains("handpnt.cur"))
                g_faltan.append("handpnt.cur");
            return QCursor(Qt::PointingHandCursor);
        }
        return QCursor(QPixmap::fromImage(img), hx, hy);
    }();
    return cursor;
}

QStringList TDibujos::Faltan()
{
    return g_faltan;
}

void TDibujos::OlvidaFaltan()
{
    g_faltan.clear();
}

} // namespace numbrela::ui
