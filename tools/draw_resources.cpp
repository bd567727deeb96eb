// Draws the program's pictures and writes them in the formats the program
// embeds: the background (a gold medal on a dark blue square, 737 x 494,
// 24-bit uncompressed bitmap, and a drawing at twice the resolution for
// high-DPI screens) and the icon (an open book with a compact disc, 32 x 32,
// 16 colours with a transparency mask, and a smooth 128 x 128 drawing for
// launchers and task switchers).
//
// Usage: draw_resources OUTPUT_FOLDER
// Run it with QT_QPA_PLATFORM=offscreen where there is no display.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <array>
#include <cstdint>
#include <cstdio>

namespace {

// Little-endian writers for the bitmap headers.
void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xff));
}

constexpr std::uint32_t pixelsPerMetre = 3780;  // 96 dots per inch

void putInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, std::uint32_t imageSize,
                   std::uint32_t coloursUsed)
{
    put32(out, 40);  // size of this header
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);  // planes
    put16(out, bitsPerPixel);
    put32(out, 0);  // no compression
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, coloursUsed);
    put32(out, 0);  // all colours important
}

int rowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

QByteArray bitmapFile(const QImage& image)
{
    const int stride = rowBytes(image.width(), 24);
    const auto imageSize = static_cast<std::uint32_t>(stride * image.height());
    QByteArray out;
    out.append("BM");
    put32(out, 14 + 40 + imageSize);
    put32(out, 0);
    put32(out, 14 + 40);
    putInfoHeader(out, image.width(), image.height(), 24, imageSize, 0);
    for (int y = image.height() - 1; y >= 0; --y) {  // bottom-up
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray row(stride, '\0');
        for (int x = 0; x < image.width(); ++x) {
            row[3 * x] = static_cast<char>(qBlue(line[x]));
            row[3 * x + 1] = static_cast<char>(qGreen(line[x]));
            row[3 * x + 2] = static_cast<char>(qRed(line[x]));
        }
        out.append(row);
    }
    return out;
}

// The standard 16-colour palette.
constexpr std::array<QRgb, 16> standardColours{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

int nearestColour(QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const QRgb c = standardColours[static_cast<std::size_t>(i)];
        const int dr = qRed(colour) - qRed(c), dg = qGreen(colour) - qGreen(c), db = qBlue(colour) - qBlue(c);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// A 4-bit icon: colour indices, then a 1-bit mask in which 1 is transparent.
QByteArray iconFile(const QImage& image)
{
    const int size = image.width();
    const int colourStride = rowBytes(size, 4);
    const int maskStride = rowBytes(size, 1);
    const auto imageSize = static_cast<std::uint32_t>((colourStride + maskStride) * size);
    const std::uint32_t dataSize = 40 + 16 * 4 + imageSize;

    QByteArray out;
    put16(out, 0);
    put16(out, 1);  // an icon
    put16(out, 1);  // one image
    out.append(static_cast<char>(size));
    out.append(static_cast<char>(size));
    out.append(static_cast<char>(16));  // colours
    out.append('\0');
    put16(out, 1);  // planes
    put16(out, 4);  // bits per pixel
    put32(out, dataSize);
    put32(out, 6 + 16);

    putInfoHeader(out, size, size * 2, 4, imageSize, 16);  // height covers colours and mask
    for (QRgb colour : standardColours) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }
    QByteArray mask;
    for (int y = size - 1; y >= 0; --y) {
        QByteArray colourRow(colourStride, '\0');
        QByteArray maskRow(maskStride, '\0');
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const bool transparent = qAlpha(pixel) < 128;
            const int index = transparent ? 0 : nearestColour(pixel);
            colourRow[x / 2] = static_cast<char>(colourRow[x / 2] | (x % 2 ? index : index << 4));
            if (transparent)
                maskRow[x / 8] = static_cast<char>(maskRow[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(colourRow);
        mask.append(maskRow);
    }
    out.append(mask);
    return out;
}

// A man's head and shoulders in profile, facing left, in a 100 x 100 box.
QPainterPath profile()
{
    QPainterPath path;
    path.moveTo(58, 8);
    path.cubicTo(40, 6, 30, 16, 29, 30);   // crown to forehead
    path.cubicTo(28, 36, 27, 38, 23, 46);  // brow to nose
    path.lineTo(27, 49);
    path.cubicTo(27, 52, 26, 53, 27, 55);  // upper lip
    path.cubicTo(26, 57, 27, 59, 28, 60);  // lower lip
    path.cubicTo(27, 63, 29, 68, 35, 69);  // chin
    path.cubicTo(40, 70, 42, 71, 43, 76);  // jaw to throat
    path.cubicTo(44, 82, 38, 88, 30, 94);  // neck to chest
    path.lineTo(84, 94);                   // truncated bust
    path.cubicTo(76, 86, 70, 80, 69, 72);  // nape
    path.cubicTo(78, 62, 80, 48, 78, 34);  // back of the head
    path.cubicTo(76, 18, 70, 9, 58, 8);
    path.closeSubpath();
    return path;
}

void drawLettering(QPainter& painter, QPointF centre, qreal radius, const QString& text, qreal scale)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(qRound(17 * scale));
    font.setBold(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    qreal length = 0;
    for (QChar c : text)
        length += metrics.horizontalAdvance(c);
    // The lettering runs clockwise along the top of the rim, centred.
    qreal angle = -90 - qRadiansToDegrees(length / radius) / 2;
    for (QChar c : text) {
        const qreal advance = metrics.horizontalAdvance(c);
        const qreal middle = angle + qRadiansToDegrees(advance / 2 / radius);
        painter.save();
        painter.translate(centre);
        painter.rotate(middle + 90);
        painter.translate(-advance / 2, -radius);
        painter.setPen(QColor(110, 74, 10, 200));
        painter.drawText(QPointF(scale, scale), QString(c));
        painter.setPen(QColor(255, 236, 160));
        painter.drawText(QPointF(0, 0), QString(c));
        painter.restore();
        angle += qRadiansToDegrees(advance / radius);
    }
}

// The background at `scale` (1: 737 x 494 pixels).
QImage drawBackground(int scale)
{
    QImage image(737 * scale, 494 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);

    // The dark blue square, lit a little from the top left like a photograph.
    const QRectF square(130, 14, 443, 407);
    QRadialGradient cloth(QPointF(260, 120), 420);
    cloth.setColorAt(0, QColor(28, 44, 112));
    cloth.setColorAt(1, QColor(8, 14, 52));
    painter.fillRect(square, cloth);

    const QPointF centre(351.5, 217.5);
    const qreal outer = 178;

    // Shadow, rim and field of the medal.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 20, 140));
    painter.drawEllipse(centre + QPointF(7, 9), outer, outer);

    QLinearGradient rim(centre - QPointF(outer, outer), centre + QPointF(outer, outer));
    rim.setColorAt(0, QColor(255, 238, 160));
    rim.setColorAt(0.45, QColor(212, 164, 48));
    rim.setColorAt(1, QColor(120, 78, 12));
    painter.setBrush(rim);
    painter.drawEllipse(centre, outer, outer);

    const qreal field = outer - 34;
    QRadialGradient gold(centre - QPointF(50, 60), field * 1.6);
    gold.setColorAt(0, QColor(250, 222, 130));
    gold.setColorAt(0.5, QColor(218, 170, 60));
    gold.setColorAt(1, QColor(150, 100, 20));
    painter.setBrush(gold);
    painter.drawEllipse(centre, field, field);

    // The raised edge between the rim and the field.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(120, 80, 14), 3));
    painter.drawEllipse(centre, field + 2, field + 2);
    painter.setPen(QPen(QColor(255, 240, 180), 1.5));
    painter.drawEllipse(centre, field + 5, field + 5);
    painter.setPen(QPen(QColor(110, 72, 10), 2));
    painter.drawEllipse(centre, outer - 4, outer - 4);

    // The profile in relief: a dark shadow, a bright edge, then the face.
    const qreal head = field * 1.55;
    const QTransform place = QTransform::fromTranslate(centre.x() - head * 0.52, centre.y() - head * 0.5)
                                 .scale(head / 100, head / 100);
    const QPainterPath bust = place.map(profile());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(104, 66, 8, 190));
    painter.drawPath(bust.translated(4, 4));
    painter.setBrush(QColor(255, 244, 190));
    painter.drawPath(bust.translated(-2, -2));
    QLinearGradient relief(bust.boundingRect().topLeft(), bust.boundingRect().bottomRight());
    relief.setColorAt(0, QColor(246, 210, 110));
    relief.setColorAt(1, QColor(176, 124, 30));
    painter.setBrush(relief);
    painter.drawPath(bust);

    // An ear and the line of the hair, cut into the relief.
    painter.setPen(QPen(QColor(130, 88, 18), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const QPointF ear = place.map(QPointF(60, 44));
    painter.drawEllipse(ear, head * 0.045, head * 0.07);
    QPainterPath hair;
    hair.moveTo(place.map(QPointF(34, 22)));
    hair.cubicTo(place.map(QPointF(46, 18)), place.map(QPointF(58, 24)), place.map(QPointF(70, 32)));
    painter.drawPath(hair);
    hair = QPainterPath();
    hair.moveTo(place.map(QPointF(44, 14)));
    hair.cubicTo(place.map(QPointF(58, 14)), place.map(QPointF(70, 22)), place.map(QPointF(76, 38)));
    painter.drawPath(hair);

    // The inscription around the rim, and a small mark below the bust.
    painter.scale(1.0 / scale, 1.0 / scale);
    drawLettering(painter, centre * scale, (outer - 26) * scale,
                  QStringLiteral("SCIENTIA \u2022 NATURA \u2022 VERITAS"), scale);
    painter.setPen(QPen(QColor(120, 80, 14), 2.0 * scale));
    const QPointF star = (centre + QPointF(0, outer - 17)) * scale;
    painter.drawText(QRectF(star - QPointF(20 * scale, 12 * scale), QSizeF(40 * scale, 24 * scale)),
                     Qt::AlignCenter, QStringLiteral("\u2605"));
    return image;
}

// The icon: an open book, white pages with grey lines on a teal cover, with a
// compact disc in front of its lower-left corner, in a 32 x 32 design. At
// scale 1 it is drawn without antialiasing in the standard colours only;
// larger scales are drawn smoothly.
QImage drawIcon(int scale)
{
    QImage image(32 * scale, 32 * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    if (scale > 1) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
    }
    const auto pen = [scale](QColor colour) { return QPen(colour, scale > 1 ? 0.75 : 0); };
    const QColor teal = QColor::fromRgb(0x008080), white = QColor::fromRgb(0xffffff),
                 grey = QColor::fromRgb(0x808080), silver = QColor::fromRgb(0xc0c0c0),
                 black = QColor::fromRgb(0x000000), aqua = QColor::fromRgb(0x00ffff);

    // The cover, a little larger than the pages, and the spine.
    painter.setPen(pen(black));
    painter.setBrush(teal);
    painter.drawPolygon(QPolygon({QPoint(1, 7), QPoint(15, 9), QPoint(16, 9), QPoint(30, 7),
                                  QPoint(30, 26), QPoint(16, 28), QPoint(15, 28), QPoint(1, 26)}));
    // The pages.
    painter.setPen(pen(grey));
    painter.setBrush(white);
    painter.drawPolygon(QPolygon({QPoint(3, 5), QPoint(15, 7), QPoint(15, 25), QPoint(3, 23)}));
    painter.drawPolygon(QPolygon({QPoint(16, 7), QPoint(28, 5), QPoint(28, 23), QPoint(16, 25)}));
    // Lines of text.
    for (int y = 9; y <= 21; y += 3) {
        painter.drawLine(5, y, 13, y + 1);
        painter.drawLine(18, y + 1, 26, y);
    }
    // The disc in front of the lower-left corner, with its shine and hole.
    painter.setPen(pen(black));
    painter.setBrush(silver);
    painter.drawEllipse(QPoint(8, 23), 7, 7);
    painter.setPen(Qt::NoPen);
    painter.setBrush(white);
    painter.drawPie(QRect(2, 17, 13, 13), 30 * 16, 50 * 16);
    painter.setBrush(aqua);
    painter.drawPie(QRect(2, 17, 13, 13), 210 * 16, 40 * 16);
    painter.setPen(pen(grey));
    painter.setBrush(white);
    painter.drawEllipse(QPoint(8, 23), 2, 2);
    painter.setPen(pen(black));
    painter.drawPoint(8, 23);
    return image;
}

bool writeImage(const QString& path, const QImage& image)
{
    if (!image.save(path)) {
        std::fprintf(stderr, "draw_resources: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

bool write(const QString& path, const QByteArray& data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "draw_resources: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_resources OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok = write(folder.filePath(QStringLiteral("background.bmp")), bitmapFile(drawBackground(1)))
                    && write(folder.filePath(QStringLiteral("background@2x.bmp")), bitmapFile(drawBackground(2)))
                    && write(folder.filePath(QStringLiteral("ionvale.ico")), iconFile(drawIcon(1)))
                    && writeImage(folder.filePath(QStringLiteral("ionvale-128.png")), drawIcon(4));
    return ok ? 0 : 1;
}
