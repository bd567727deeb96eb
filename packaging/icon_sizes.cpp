// Writes the program icon as PNG files for the desktop's icon theme, at
// 16, 32 and 48 pixels, scaled without blur (nearest neighbour).
//
// Usage: icon_sizes ICON OUTPUT_FOLDER NAME

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: icon_sizes ICON OUTPUT_FOLDER NAME\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "icon_sizes: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int size : {16, 32, 48}) {
        const QString folder = QStringLiteral("%1x%1").arg(size);
        output.mkpath(folder);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString path = output.filePath(folder + QLatin1Char('/') + QString::fromLocal8Bit(argv[3]) + QStringLiteral(".png"));
        if (!scaled.save(path, "PNG")) {
            std::fprintf(stderr, "icon_sizes: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
