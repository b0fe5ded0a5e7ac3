// SPDX-FileCopyrightText: 2026 The Yorozumi authors
// SPDX-License-Identifier: MIT

// Draws the program's artwork:
//   make_images <images directory> <icons directory>
// Into app/images/: app32.png without PNG compression (the resource compiler
// then compresses it), the other PNGs compressed, each PNG also at twice its
// size as name@2x.png, and app.ico with the app
// motif at 16, 32 and 48 pixels as 24-bit images with a 1-bit mask. Into
// app/icons/: the desktop icons, the same motif at 16 to 256 pixels and as
// a scalable SVG.

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QtMath>

#include <cstdio>

namespace {

const QColor kBorder(0x80, 0x80, 0x80), kSquare(0x46, 0x82, 0xB4);

// 歳 in white on a steel-blue square with a grey border.
QImage appImage(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kSquare);
    QPainter p(&image);
    const int border = qMax(1, size / 16);
    QFont font(QStringLiteral("IPAGothic"));
    if (size <= 16) {
        // Thirteen strokes in 16 pixels: the full face size, regular weight,
        // hinted to the pixel grid, so that the character still reads.
        font.setPixelSize(size - 1);
        font.setHintingPreference(QFont::PreferFullHinting);
    } else {
        font.setPixelSize(size - 4 * border - 2);
        font.setBold(true);
    }
    // Crisp strokes at the sizes of icon art; smooth ones on the large icons.
    if (size < 64)
        font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString::fromUtf8("歳"));
    p.setPen(Qt::NoPen);
    p.setBrush(kBorder);
    p.drawPath([&] {
        QPainterPath frame;
        frame.addRect(0, 0, size, size);
        frame.addRect(border, border, size - 2 * border, size - 2 * border);
        return frame;
    }());
    return image;
}

// The same motif as outlines, for desktops that scale icons freely.
bool writeSvg(const QString &path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("ヨロズミ"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.fillRect(QRect(0, 0, 256, 256), kBorder);
    p.fillRect(QRect(16, 16, 224, 224), kSquare);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(190);
    font.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString::fromUtf8("歳"));
    glyph.translate(QRectF(0, 0, 256, 256).center() - glyph.boundingRect().center());
    p.fillPath(glyph, Qt::white);
    return p.end();
}

// Each small image is drawn in its own pixels at `scale` 1, and again at
// scale 2 for dense screens: Qt picks name@2x.png by itself there.
QImage canvas(int size, int scale)
{
    QImage image(size * scale, size * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// A pocket calculator seen at an angle on a transparent ground.
QImage calculatorImage(int scale)
{
    QImage image = canvas(32, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-14);
    p.shear(0.12, 0);
    const QRectF body(-10, -14, 20, 28);
    p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1));
    QLinearGradient shade(body.topLeft(), body.bottomRight());
    shade.setColorAt(0, QColor(0x6A, 0x6E, 0x78));
    shade.setColorAt(1, QColor(0x3A, 0x3E, 0x48));
    p.setBrush(shade);
    p.drawRoundedRect(body, 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB8, 0xD8, 0xA0));
    p.drawRect(QRectF(-7.5, -11.5, 15, 6));
    p.setBrush(QColor(0x30, 0x40, 0x28));
    p.drawRect(QRectF(1.5, -9.5, 4.5, 2));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool op = col == 3;
            p.setBrush(op ? QColor(0xF0, 0x90, 0x30) : QColor(0xEE, 0xEE, 0xEE));
            p.drawRoundedRect(QRectF(-7.5 + col * 4, -3 + row * 4, 3, 3), 0.6, 0.6);
        }
    }
    return image;
}

// A blue speech bubble with a white "i".
QImage aboutImage(int scale)
{
    QImage image = canvas(16, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(0.5, 0.5, 15, 12));
    QPainterPath tail;
    tail.moveTo(3.5, 9);
    tail.lineTo(2, 15.5);
    tail.lineTo(8, 11);
    tail.closeSubpath();
    p.setPen(QPen(QColor(0x1A, 0x4C, 0xA0), 1));
    p.setBrush(QColor(0x2E, 0x74, 0xD8));
    p.drawPath(bubble.united(tail));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.9, 2.4, 2.2, 2.2));
    p.drawRoundedRect(QRectF(7, 5.5, 2, 5.2), 0.6, 0.6);
    return image;
}

// A red circular arrow.
QImage exitImage(int scale)
{
    QImage image = canvas(16, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF ring(2.5, 2.5, 11, 11);
    p.setPen(QPen(QColor(0xD0, 0x20, 0x20), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(ring, 110 * 16, 290 * 16); // counter-clockwise from 110°, gap at the top
    // Arrowhead at the arc's end (40° past 90°... i.e. at 400° = 40°).
    const double end = qDegreesToRadians(40.0);
    const QPointF tip(8 + 5.5 * qCos(end), 8 - 5.5 * qSin(end));
    QPolygonF head;
    head << tip + QPointF(-3.6, -1.2) << tip + QPointF(2.4, -3.4) << tip + QPointF(1.6, 2.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x20, 0x20));
    p.drawPolygon(head);
    return image;
}

// A Windows icon file: 24-bit bitmaps, bottom-up, with an all-opaque AND mask.
QByteArray iconFile(const QList<QImage> &images)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(1) << quint16(images.size());
    QList<QByteArray> bitmaps;
    for (const QImage &image : images) {
        const int w = image.width(), h = image.height();
        const int colorStride = (w * 3 + 3) & ~3, maskStride = ((w + 31) / 32) * 4;
        QByteArray bmp;
        QDataStream b(&bmp, QIODevice::WriteOnly);
        b.setByteOrder(QDataStream::LittleEndian);
        b << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(24)
          << quint32(0) << quint32(colorStride * h + maskStride * h) << qint32(0) << qint32(0)
          << quint32(0) << quint32(0);
        for (int y = h - 1; y >= 0; --y) {
            QByteArray row(colorStride, 0);
            for (int x = 0; x < w; ++x) {
                const QRgb c = image.pixel(x, y);
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            }
            b.writeRawData(row.constData(), row.size());
        }
        const QByteArray maskRow(maskStride, 0);
        for (int y = 0; y < h; ++y)
            b.writeRawData(maskRow.constData(), maskRow.size());
        bitmaps << bmp;
    }
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        s << quint8(images[i].width()) << quint8(images[i].height()) << quint8(0) << quint8(0)
          << quint16(1) << quint16(24) << quint32(bitmaps[i].size()) << offset;
        offset += quint32(bitmaps[i].size());
    }
    for (const QByteArray &bmp : bitmaps)
        s.writeRawData(bmp.constData(), bmp.size());
    return out;
}

bool writePng(const QImage &image, const QString &path, bool uncompressed)
{
    QImageWriter writer(path, "png");
    if (uncompressed)
        writer.setQuality(100); // zlib level 0
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_images <images directory> <icons directory>\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1])), icons(QString::fromLocal8Bit(argv[2]));
    bool ok = true;
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        ok = ok && writePng(appImage(32 * scale).convertToFormat(QImage::Format_RGB888),
                            dir.filePath("app32" + suffix), true)
             && writePng(calculatorImage(scale), dir.filePath("calculate" + suffix), false)
             && writePng(aboutImage(scale), dir.filePath("about" + suffix), false)
             && writePng(exitImage(scale), dir.filePath("exit" + suffix), false);
    }
    QFile ico(dir.filePath("app.ico"));
    ok = ok && ico.open(QIODevice::WriteOnly)
         && ico.write(iconFile({appImage(16), appImage(32), appImage(48)})) > 0;
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = ok && writePng(appImage(size).convertToFormat(QImage::Format_RGB888),
                            icons.filePath(QStringLiteral("%1.png").arg(size)), false);
    return ok && writeSvg(icons.filePath("scalable.svg")) ? 0 : 1;
}
