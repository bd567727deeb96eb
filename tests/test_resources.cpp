// The icon and the background as files: the formats they must have, and the
// program carries exactly these bytes.

#include <QFile>
#include <QImage>
#include <QTest>

#include <cstdint>

namespace {

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::uint32_t le32(const QByteArray& data, int at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(data[at + i]);
    return value;
}

int le16(const QByteArray& data, int at)
{
    return static_cast<std::uint8_t>(data[at]) | static_cast<std::uint8_t>(data[at + 1]) << 8;
}

const QString sourceFolder = QStringLiteral(IONVALE_RESOURCES_DIR);

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void embeddedAsCommitted_data();
    void embeddedAsCommitted();
    void background();
    void backgroundPicture();
    void icon();
};

void ResourcesTest::embeddedAsCommitted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("background") << QStringLiteral("background.bmp");
    QTest::newRow("icon") << QStringLiteral("ionvale.ico");
}

void ResourcesTest::embeddedAsCommitted()
{
    QFETCH(QString, name);
    const QByteArray file = read(sourceFolder + QLatin1Char('/') + name);
    QVERIFY(!file.isEmpty());
    QCOMPARE(read(QStringLiteral(":/ionvale/") + name), file);
}

void ResourcesTest::background()
{
    const QByteArray bmp = read(sourceFolder + QStringLiteral("/background.bmp"));
    QCOMPARE(bmp.size(), 1092782);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 2), 1092782u);            // file size
    QCOMPARE(le32(bmp, 10), 54u);                // pixels follow the headers
    QCOMPARE(le32(bmp, 14), 40u);                // a plain info header
    QCOMPARE(le32(bmp, 18), 737u);               // width
    QCOMPARE(static_cast<std::int32_t>(le32(bmp, 22)), 494);  // positive height: rows bottom-up
    QCOMPARE(le16(bmp, 28), 24);                 // bits per pixel
    QCOMPARE(le32(bmp, 30), 0u);                 // uncompressed
    QCOMPARE(le32(bmp, 38), 3780u);              // pixels per metre
    QCOMPARE(le32(bmp, 42), 3780u);
}

// What a person sees: a white field, a dark blue square from about (130, 14),
// and a gold medal on it.
void ResourcesTest::backgroundPicture()
{
    const QImage image(sourceFolder + QStringLiteral("/background.bmp"));
    QCOMPARE(image.size(), QSize(737, 494));
    const auto isWhite = [&](int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); };
    const auto isDarkBlue = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.blue() > c.red() + 20 && c.blue() > c.green() && c.value() < 140;
    };
    const auto isGold = [&](int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.red() > c.blue() + 60 && c.green() > c.blue() + 20 && c.hue() > 25 && c.hue() < 60;
    };
    QVERIFY(isWhite(5, 5) && isWhite(700, 200) && isWhite(300, 480) && isWhite(129, 100));
    QVERIFY(isDarkBlue(131, 15) && isDarkBlue(571, 15) && isDarkBlue(131, 419) && isDarkBlue(571, 419));
    QVERIFY(isWhite(574, 200) && isWhite(300, 422));
    QVERIFY(isGold(351, 60) && isGold(200, 217) && isGold(500, 217) && isGold(351, 380));
}

void ResourcesTest::icon()
{
    const QByteArray ico = read(sourceFolder + QStringLiteral("/ionvale.ico"));
    QCOMPARE(le16(ico, 2), 1);   // an icon
    QCOMPARE(le16(ico, 4), 1);   // one image
    QCOMPARE(int(static_cast<std::uint8_t>(ico[6])), 32);
    QCOMPARE(int(static_cast<std::uint8_t>(ico[7])), 32);
    QCOMPARE(int(static_cast<std::uint8_t>(ico[8])), 16);
    const int at = static_cast<int>(le32(ico, 18));
    QCOMPARE(le32(ico, at), 40u);
    QCOMPARE(le32(ico, at + 8), 64u);  // colours and mask
    QCOMPARE(le16(ico, at + 14), 4);   // bits per pixel
    QCOMPARE(le32(ico, at + 16), 0u);  // uncompressed

    // The standard 16-colour palette, blue-green-red-0 per entry.
    const quint32 standard[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
                                  0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    const int palette = at + 40;
    for (int i = 0; i < 16; ++i)
        QCOMPARE(le32(ico, palette + 4 * i), standard[i]);

    // 32 rows of 16 bytes of colour, then 32 rows of 4 bytes of mask; some
    // pixels see-through, most not.
    const int mask = palette + 64 + 32 * 16;
    QCOMPARE(ico.size(), mask + 32 * 4);
    int transparent = 0;
    for (int i = mask; i < ico.size(); ++i)
        transparent += qPopulationCount(static_cast<quint8>(ico[i]));
    QVERIFY(transparent > 16 && transparent < 512);

    const QImage decoded(sourceFolder + QStringLiteral("/ionvale.ico"));
    QCOMPARE(decoded.size(), QSize(32, 32));
    QVERIFY(decoded.hasAlphaChannel());
}

QTEST_MAIN(ResourcesTest)
#include "test_resources.moc"
