// Writes each image of a Windows icon file as <size>.png, so that the
// desktop icons are the very images the executable's icon carries:
//   extract_icons <file.ico> <output directory>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: extract_icons <file.ico> <output directory>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "ico");
    const QDir out(QString::fromLocal8Bit(argv[2]));
    int written = 0;
    do {
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
            return 1;
        }
        const QString name = out.filePath(QStringLiteral("%1.png").arg(image.width()));
        if (!image.convertToFormat(QImage::Format_RGB888).save(name, "png")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
            return 1;
        }
        ++written;
    } while (reader.jumpToNextImage());
    return written > 0 ? 0 : 1;
}
