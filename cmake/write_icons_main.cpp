// Writes a program's icon, as the program draws it, at each size the desktop's icon theme
// keeps: OUT/<N>x<N>/apps/<NAME>.png. Built once per program with ICON_HEADER naming the
// header of its icon and ICON_FUNCTION the function that draws it at a given side.
//   <program>_icons OUT NAME
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>

#include ICON_HEADER

namespace {

QImage AsImage(const QImage& image)
{
    return image;
}
QImage AsImage(const QPixmap& pixmap)
{
    return pixmap.toImage();
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUT NAME\n", argv[0]);
        return 2;
    }
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(side);
        const QString file = folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[2]) + ".png";
        const QImage image = AsImage(ICON_FUNCTION(side));
        if (image.width() != side || !QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
